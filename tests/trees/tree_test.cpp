// The experiment's tree unit in-process: insertion, the visit count of a search, the random
// range, one experiment step, and the out-of-memory exit.
#include "trees/tree.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "capture_stdout.h"
#include "fail_alloc.h"
#include "tests/trees/seeded_step.h"

namespace {

node *Build(const std::vector<int> &keys) {
    node *t = nullptr;
    for (int key : keys)
        InsertNode(&t, key);
    return t;
}

float Visits(node *t, int key) {
    countCompare = 0.0f;
    FindNode(&t, key);
    float visits = countCompare;
    countCompare = 0.0f;
    return visits;
}

TEST(TreeTest, InsertsInSearchOrderAndIgnoresRepeats) {
    node *t = Build({50, 30, 70, 30, 20, 50, 60});
    EXPECT_EQ(wb::CaptureStdout([&] { ListInOrder(t); }), "20 30 50 60 70 ");
    EXPECT_EQ(t->key, 50);
    EXPECT_EQ(t->left->key, 30);
    EXPECT_EQ(t->right->left->key, 60);
    free_all(t);
    EXPECT_EQ(wb::CaptureStdout([] { ListInOrder(nullptr); }), "");
    free_all(nullptr);
}

TEST(TreeTest, SearchCountsTheNodesOnItsPath) {
    //       50
    //    30    70
    //  20    60
    node *t = Build({50, 30, 70, 20, 60});
    struct Case {
        int key;
        float visits;
        bool found;
    } cases[] = {
        {50, 1, true},  {30, 2, true},  {20, 3, true},  {60, 3, true},
        {10, 3, false}, {40, 2, false}, {55, 3, false}, {90, 2, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Visits(t, c.key), c.visits) << c.key;
        node *hit = FindNode(&t, c.key);
        EXPECT_EQ(hit != nullptr, c.found) << c.key;
        if (hit != nullptr) {
            EXPECT_EQ(hit->key, c.key);
        }
    }
    countCompare = 0.0f;
    EXPECT_EQ(Visits(nullptr, 5), 0.0f);
    free_all(t);
}

TEST(TreeTest, RandomKeysStayInRange) {
    srand(1);
    bool sawLow = false;
    bool sawHigh = false;
    for (int i = 0; i < 200000; i++) {
        int key = generateRandom();
        ASSERT_GE(key, 1);
        ASSERT_LE(key, 10000);
        sawLow = sawLow || key <= 10;
        sawHigh = sawHigh || key >= 9990;
    }
    EXPECT_TRUE(sawLow);
    EXPECT_TRUE(sawHigh);
}

TEST(TreeTest, OneStepPrintsItsRowAndMovesOn) {
    sizeOfTree = 20;
    countCompare = 0.0f;
    std::string row = wb::CaptureStdout([] { generateRandomNumSequence(); });
    ASSERT_EQ(row.size(), 1u + 2u + 40u + 35u);
    EXPECT_EQ(row.substr(0, 3), "\n20");
    EXPECT_EQ(row.substr(row.size() - 7), "4.32193");
    EXPECT_EQ(sizeOfTree, 25);
    EXPECT_EQ(countCompare, 0.0f);
    sizeOfTree = 5;
}

// Every row's average is a whole number of visits over the step's 100 searches, for every n the
// plot sweeps and twenty seeds each.
TEST(TreeTest, StepAveragesAreWholeVisitsOverTheSearches) {
    for (int n : wb::kTreeSizes)
        for (time_t seed = 1; seed <= 20; seed++) {
            double average = 0, log2n = 0;
            ASSERT_TRUE(wb::SeededStep(n, seed, &average, &log2n)) << n;
            EXPECT_NEAR(average * 100, std::round(average * 100), 1e-6) << n << ": " << average;
        }
    sizeOfTree = 5;
}

TEST(TreeDeathTest, NodeThatCannotBeAllocatedEndsTheProgram) {
    EXPECT_EXIT(
        {
            wb::FailAllocation(1);
            node *t = nullptr;
            InsertNode(&t, 1);
        },
        ::testing::ExitedWithCode(1), "^treecost: out of memory for a tree node\n$");
}

}  // namespace
