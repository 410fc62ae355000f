// The circular list module in-process: the ring's shape is checked after every operation, on
// the hand-made edge cases and on long random sequences against a std::deque.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <functional>
#include <string>

#include "capture_stdout.h"
#include "fail_alloc.h"
#include "lists/dllist.h"
#include "soak.h"

namespace {

// Checks every link of the ring both ways and that it holds exactly expected, front to rear.
::testing::AssertionResult RingHolds(const std::deque<int> &expected) {
    if (expected.empty()) {
        if (front == nullptr && rear == nullptr) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "list should be empty";
    }
    if (front == nullptr || rear == nullptr)
        return ::testing::AssertionFailure() << "front or rear is null in a non-empty list";
    if (front->prev != rear || rear->next != front)
        return ::testing::AssertionFailure() << "front and rear are not joined";
    const list_t *node = front;
    for (size_t i = 0; i < expected.size(); i++) {
        if (node->value != expected[i])
            return ::testing::AssertionFailure()
                   << "node " << i << " holds " << node->value << ", expected " << expected[i];
        if (node->next->prev != node || node->prev->next != node)
            return ::testing::AssertionFailure() << "node " << i << " is linked one way only";
        if ((node == rear) != (i + 1 == expected.size()))
            return ::testing::AssertionFailure() << "rear is not the last node, at " << i;
        node = node->next;
    }
    if (node != front)
        return ::testing::AssertionFailure() << "ring does not close after " << expected.size();
    return ::testing::AssertionSuccess();
}

// Every test starts and ends with an empty list, since the list is the module's own.
class DllistTest : public ::testing::Test {
   protected:
    void SetUp() override { Drain(); }
    void TearDown() override {
        wb::Disarm();
        Drain();
    }
    static void Drain() {
        while (front != nullptr)
            dl_pop_front(front);
        ASSERT_EQ(rear, nullptr);
    }
    static void Fill(const std::deque<int> &values) {
        for (int value : values)
            ASSERT_EQ(dl_insert(front, value, nullptr), 1);
    }
};

struct EdgeCase {
    const char *name;
    std::deque<int> start;
    std::function<int()> operation;  // returns the operation's result, 0 for the pops
    int result;
    std::deque<int> after;
};

TEST_F(DllistTest, EdgeCasesKeepTheRing) {
    const EdgeCase cases[] = {
        {"insert into empty", {}, [] { return dl_insert(front, 7, "seven"); }, 1, {7}},
        {"insert front into empty", {}, [] { return dl_insert_front(front, 7); }, 1, {7}},
        {"insert front before 1 2 3",
         {1, 2, 3},
         [] { return dl_insert_front(front, 0); },
         1,
         {0, 1, 2, 3}},
        {"delete the only node", {4}, [] { return dl_del(front, 4); }, 1, {}},
        {"delete front, interior and rear",
         {5, 1, 5, 2, 5},
         [] { return dl_del(front, 5); },
         1,
         {1, 2}},
        {"delete value of every node", {3, 3, 3}, [] { return dl_del(front, 3); }, 1, {}},
        {"delete absent value", {1, 2, 3}, [] { return dl_del(front, 9); }, 0, {1, 2, 3}},
        {"delete absent from one node", {1}, [] { return dl_del(front, 9); }, 0, {1}},
        {"delete from empty", {}, [] { return dl_del(front, 0); }, 0, {}},
        {"secondpass takes first match only",
         {2, 1, 2, 1},
         [] { return secondpass(front, 1); },
         1,
         {2, 2, 1}},
        {"secondpass on empty", {}, [] { return secondpass(front, 1); }, 0, {}},
        {"check finds rear only value", {1, 2, 3}, [] { return dl_check(front, 3); }, 1, {1, 2, 3}},
        {"check misses absent value", {1, 2, 3}, [] { return dl_check(front, 4); }, 0, {1, 2, 3}},
        {"check on empty", {}, [] { return dl_check(front, 0); }, 0, {}},
        {"get front", {6, 8}, [] { return dl_get_front(front); }, 6, {6, 8}},
        {"get back", {6, 8}, [] { return dl_get_back(front); }, 8, {6, 8}},
        {"get front of empty", {}, [] { return dl_get_front(front); }, 0, {}},
        {"get back of empty", {}, [] { return dl_get_back(front); }, 0, {}},
        {"pop front of two", {1, 2}, [] { return dl_pop_front(front), 0; }, 0, {2}},
        {"pop back of two", {1, 2}, [] { return dl_pop_back(front), 0; }, 0, {1}},
        {"pop front of one", {1}, [] { return dl_pop_front(front), 0; }, 0, {}},
        {"pop back of one", {1}, [] { return dl_pop_back(front), 0; }, 0, {}},
        {"pop front of empty", {}, [] { return dl_pop_front(front), 0; }, 0, {}},
        {"pop back of empty", {}, [] { return dl_pop_back(front), 0; }, 0, {}},
    };
    for (const EdgeCase &c : cases) {
        SCOPED_TRACE(c.name);
        Drain();
        Fill(c.start);
        EXPECT_EQ(c.operation(), c.result);
        EXPECT_TRUE(RingHolds(c.after));
    }
}

TEST_F(DllistTest, EmptiedListStartsAFreshRing) {
    Fill({4});
    ASSERT_EQ(dl_del(front, 4), 1);
    EXPECT_EQ(dl_check(front, 4), 0);
    ASSERT_EQ(dl_insert(front, 5, nullptr), 1);
    EXPECT_TRUE(RingHolds({5}));
    EXPECT_EQ(front->next, front);
}

// The argument of secondpass is only a hint: a stale one must not cut the ring.
TEST_F(DllistTest, SecondpassIgnoresAStaleArgument) {
    Fill({1, 2, 3});
    list_t *stale = rear;
    EXPECT_EQ(secondpass(stale, 1), 1);
    EXPECT_TRUE(RingHolds({2, 3}));
}

TEST_F(DllistTest, InsertKeepsTheWord) {
    const std::string longWord(60, 'w');
    dl_insert(front, 1, "apple");
    EXPECT_STREQ(rear->word, "apple");
    dl_insert(front, 2, longWord.c_str());
    EXPECT_EQ(std::string(rear->word), longWord.substr(0, DL_WORD_SIZE - 1));
    dl_insert(front, 3, nullptr);
    EXPECT_STREQ(rear->word, "");
    dl_insert_front(front, 0);
    EXPECT_STREQ(front->word, "");
}

TEST_F(DllistTest, FailedAllocationLeavesTheListAlone) {
    for (const std::deque<int> &start : {std::deque<int>{}, std::deque<int>{1, 2}}) {
        Drain();
        Fill(start);
        wb::FailAllocation(1);
        std::string shown = wb::CaptureStdout([] { EXPECT_EQ(dl_insert(front, 9, "x"), 0); });
        EXPECT_EQ(shown, "Error");
        EXPECT_TRUE(RingHolds(start));
        wb::FailAllocation(1);
        shown = wb::CaptureStdout([] { EXPECT_EQ(dl_insert_front(front, 9), 0); });
        EXPECT_EQ(shown, "");
        EXPECT_TRUE(RingHolds(start));
    }
}

// Random mixes of every operation on few distinct values, so that repeats, deletions of several
// nodes and emptying the list all happen often.
TEST_F(DllistTest, RandomOperationsMatchADeque) {
    const int kSteps = wb::Steps(5000);
    for (unsigned seed : {1u, 2u, 3u, 42u}) {
        SCOPED_TRACE(seed);
        Drain();
        srand(seed);
        std::deque<int> model;
        for (int step = 0; step < kSteps; step++) {
            int value = rand() % 6;
            int op = rand() % 9;
            int got = 0;
            int want = 0;
            switch (op) {
                case 0:
                case 1:
                    got = dl_insert(front, value, nullptr);
                    model.push_back(value);
                    want = 1;
                    break;
                case 2:
                    got = dl_insert_front(front, value);
                    model.push_front(value);
                    want = 1;
                    break;
                case 3: {
                    got = dl_del(front, value);
                    auto kept = std::erase(model, value);
                    want = kept > 0;
                    break;
                }
                case 4: {
                    got = secondpass(front, value);
                    auto it = std::find(model.begin(), model.end(), value);
                    want = it != model.end();
                    if (want) model.erase(it);
                    break;
                }
                case 5:
                    got = dl_check(front, value);
                    want = std::find(model.begin(), model.end(), value) != model.end();
                    break;
                case 6:
                    got = dl_get_front(front) * 10 + dl_get_back(front);
                    want = model.empty() ? 0 : model.front() * 10 + model.back();
                    break;
                case 7:
                    dl_pop_front(front);
                    if (!model.empty()) model.pop_front();
                    break;
                default:
                    dl_pop_back(front);
                    if (!model.empty()) model.pop_back();
                    break;
            }
            ASSERT_EQ(got, want) << "operation " << op << " on " << value << " at step " << step;
            ASSERT_TRUE(RingHolds(model)) << "after operation " << op << " at step " << step;
        }
    }
}

}  // namespace
