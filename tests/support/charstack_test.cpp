// The stack contract the two-stack buffer relies on, checked against std::string as a model.
#include "support/charstack.h"

#include <gtest/gtest.h>
#include "soak.h"

#include <cstdlib>
#include <string>

namespace {

// Every element from top (index 0) to bottom, read without popping.
std::string Peek(stackADT stack) {
    std::string elements;
    for (int i = 0; i < StackDepth(stack); i++)
        elements += GetStackElement(stack, i);
    return elements;
}

TEST(CharstackTest, NewStackIsEmpty) {
    stackADT stack = NewStack();
    EXPECT_TRUE(StackIsEmpty(stack));
    EXPECT_EQ(StackDepth(stack), 0);
    FreeStack(stack);
}

// Pushes, then checks depth, the indexed view (top first) and the pop order, across growth.
TEST(CharstackTest, IndexesFromTopAndPopsInReverse) {
    struct Case {
        std::string pushed;
    };
    std::string big;
    for (int i = 0; i < 100000; i++)
        big += static_cast<char>('A' + i % 58);
    for (const Case &c : {Case{"a"}, Case{"abc"}, Case{std::string(16, 'x') + "y"},
                          Case{std::string("\0\n\xff ", 4)}, Case{big}}) {
        stackADT stack = NewStack();
        for (char ch : c.pushed)
            Push(stack, ch);
        std::string reversed(c.pushed.rbegin(), c.pushed.rend());
        ASSERT_EQ(StackDepth(stack), static_cast<int>(c.pushed.size()));
        EXPECT_FALSE(StackIsEmpty(stack));
        EXPECT_EQ(Peek(stack), reversed);
        std::string popped;
        while (!StackIsEmpty(stack))
            popped += Pop(stack);
        EXPECT_EQ(popped, reversed);
        EXPECT_EQ(StackDepth(stack), 0);
        FreeStack(stack);
    }
}

TEST(CharstackTest, RandomPushesAndPopsMatchModel) {
    stackADT stack = NewStack();
    std::string model;  // bottom first
    srand(7);
    const int kSteps = wb::Steps(50000);
    for (int step = 0; step < kSteps; step++) {
        if (rand() % 3 != 0 || model.empty()) {
            char ch = static_cast<char>(rand() % 256);
            Push(stack, ch);
            model += ch;
        } else {
            ASSERT_EQ(Pop(stack), model.back()) << "step " << step;
            model.pop_back();
        }
        ASSERT_EQ(StackDepth(stack), static_cast<int>(model.size()));
        ASSERT_EQ(StackIsEmpty(stack), model.empty());
        if (!model.empty()) {
            ASSERT_EQ(GetStackElement(stack, 0), model.back());
            ASSERT_EQ(GetStackElement(stack, StackDepth(stack) - 1), model.front());
        }
    }
    FreeStack(stack);  // still holding elements: the leak checker sees them go
}

TEST(CharstackDeathTest, MisuseEndsTheProgram) {
    struct Case {
        const char *name;
        int pushes;
        void (*misuse)(stackADT);
        const char *message;
    };
    const Case cases[] = {
        {"pop empty", 0, [](stackADT s) { Pop(s); }, "^Pop of an empty stack\n$"},
        {"pop emptied", 2,
         [](stackADT s) {
             Pop(s);
             Pop(s);
             Pop(s);
         },
         "^Pop of an empty stack\n$"},
        {"index below 0", 3, [](stackADT s) { GetStackElement(s, -1); },
         "^Stack index out of range\n$"},
        {"index at depth", 3, [](stackADT s) { GetStackElement(s, 3); },
         "^Stack index out of range\n$"},
        {"index in empty", 0, [](stackADT s) { GetStackElement(s, 0); },
         "^Stack index out of range\n$"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        stackADT stack = NewStack();
        for (int i = 0; i < c.pushes; i++)
            Push(stack, 'p');
        EXPECT_EXIT(c.misuse(stack), ::testing::ExitedWithCode(1), c.message);
        FreeStack(stack);
    }
}

}  // namespace
