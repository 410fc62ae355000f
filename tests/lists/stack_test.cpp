// The stack unit of intstack in-process: growth, pops, reports and running out of memory.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "capture_stdout.h"
#include "fail_alloc.h"
#include "lists/stack.h"

namespace {

class StackTest : public ::testing::Test {
   protected:
    void SetUp() override { initStack(); }
    void TearDown() override { freeStack(); }

    // Checks the record against the values expected, bottom first, and the capacity.
    static void ExpectHolds(const std::vector<int> &values, int capacity) {
        ASSERT_NE(stack, nullptr);
        EXPECT_EQ(size(), static_cast<int>(values.size()));
        EXPECT_EQ(top, static_cast<int>(values.size()) - 1);
        EXPECT_EQ(stack->len, capacity);
        EXPECT_EQ(empty(), values.empty() ? 1 : 0);
        EXPECT_EQ(full(), static_cast<int>(values.size()) == capacity ? 1 : 0);
        for (size_t i = 0; i < values.size(); i++)
            EXPECT_EQ(stack->num[i], values[i]) << "at " << i;
    }
};

TEST_F(StackTest, GrowsByTenBeforeThe11thAnd21stPush) {
    std::vector<int> pushed;
    std::string shown = wb::CaptureStdout([&] {
        for (int i = 1; i <= 21; i++) {
            EXPECT_EQ(push(i), 1);
            pushed.push_back(i);
        }
    });
    EXPECT_EQ(shown, "Stack has grown from 10 to 20\nStack has grown from 20 to 30\n");
    ExpectHolds(pushed, 30);
}

TEST_F(StackTest, PopsInReverseAndNeverShrinks) {
    wb::CaptureStdout([] {
        for (int i = 1; i <= 11; i++)
            push(i);
    });
    for (int i = 11; i >= 1; i--) {
        int slot = top;
        EXPECT_EQ(pop(), i);
        EXPECT_EQ(stack->num[slot], 0);  // the slot is cleared
    }
    ExpectHolds({}, 20);
}

TEST_F(StackTest, PopOnEmptySaysSoAndReturnsZero) {
    int popped = -1;
    std::string shown = wb::CaptureStdout([&] { popped = pop(); });
    EXPECT_EQ(shown, "Nothing to pop!!");
    EXPECT_EQ(popped, 0);
    ExpectHolds({}, 10);
}

TEST_F(StackTest, PrintNodeShowsTheTop) {
    EXPECT_EQ(wb::CaptureStdout([] { printNode(nullptr); }), "Nothing to print");
    push(-4);
    push(7);
    EXPECT_EQ(wb::CaptureStdout([] { printNode(stack); }), "Number:7\n");
    ExpectHolds({-4, 7}, 10);
}

TEST_F(StackTest, FreeStackLeavesNothingBehind) {
    freeStack();
    EXPECT_EQ(stack, nullptr);
    EXPECT_EQ(top, -1);
    freeStack();  // a second release is harmless
    initStack();
}

// Growth that cannot get memory ends the program without announcing the growth (standard output
// joins standard error in the dying child, so a growth line would break the match); under the
// sanitizers the exit also proves that the old storage was released, not lost.
TEST_F(StackTest, FailedGrowthEndsTheProgram) {
    for (int i = 1; i <= 10; i++)
        push(i);
    EXPECT_EXIT(
        {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            wb::FailAllocation(1);
            push(11);
        },
        ::testing::ExitedWithCode(1), "^intstack: out of memory growing the stack\n$");
    ExpectHolds({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 10);
}

TEST_F(StackTest, FailedCreationEndsTheProgram) {
    freeStack();
    for (int nth : {1, 2}) {
        SCOPED_TRACE(nth);
        EXPECT_EXIT(
            {
                wb::FailAllocation(nth);
                initStack();
            },
            ::testing::ExitedWithCode(1), "^intstack: out of memory creating the stack\n$");
    }
    initStack();
}

}  // namespace
