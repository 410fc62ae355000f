// The tree library's contract as the shell relies on it: every operation on the empty tree,
// the printed forms, duplicates, the deletion cases, and a random run against a set model.
#include "support/bst.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "capture_stdout.h"
#include "soak.h"
#include "tests/support/tree_model.h"

namespace {

// An operation on a tree and what it must print.
struct PrintCase {
    const char *name;
    std::function<void()> call;
    std::string printed;
};

treeT Build(const std::vector<int> &keys) {
    treeT t = nullptr;
    for (int key : keys)
        InsertNode(&t, key);
    return t;
}

// Deleting every key must leave the empty tree; the leak checker sees any node left behind.
void Destroy(treeT *t, const std::vector<int> &keys) {
    for (int key : keys)
        DeleteNode(t, key);
    EXPECT_EQ(*t, nullptr);
}

TEST(BstTest, EmptyTreeAcceptsEveryOperation) {
    treeT t = nullptr;
    const PrintCase cases[] = {
        {"FindNode", [&] { FindNode(t, 5); }, "5 not found"},
        {"ListInOrder", [&] { ListInOrder(t); }, ""},
        {"PreOrderWalk", [&] { PreOrderWalk(t); }, ""},
        {"PostOrderWalk", [&] { PostOrderWalk(t); }, ""},
        {"NodeLevelOrder", [&] { NodeLevelOrder(t); }, ""},
        {"Min", [&] { Min(t); }, "none"},
        {"Max", [&] { Max(t); }, "none"},
        {"height", [&] { height(t); }, "0"},
        {"Count", [&] { Count(t); }, "0"},
        {"DisplayTree", [&] { DisplayTree(t); }, ""},
        {"DeleteNode", [&] { DeleteNode(&t, 5); }, ""},
    };
    for (const PrintCase &c : cases) {
        EXPECT_EQ(wb::CaptureStdout(c.call), c.printed) << c.name;
        EXPECT_EQ(t, nullptr) << c.name;
    }
    EXPECT_EQ(add(t), 0);
}

TEST(BstTest, PrintsEveryViewOfOneTree) {
    //         50
    //     30      70
    //   20  40  60  80
    //      35
    std::vector<int> keys = {50, 30, 70, 20, 40, 60, 80, 35};
    treeT t = Build(keys);
    const PrintCase cases[] = {
        {"in order", [&] { ListInOrder(t); }, "20 30 35 40 50 60 70 80"},
        {"preorder", [&] { PreOrderWalk(t); }, "50 30 20 40 35 70 60 80"},
        {"postorder", [&] { PostOrderWalk(t); }, "20 35 40 30 60 80 70 50"},
        {"level order", [&] { NodeLevelOrder(t); }, "50 30 70 20 40 60 80 35"},
        {"found", [&] { FindNode(t, 35); }, "35 found"},
        {"not found", [&] { FindNode(t, 36); }, "36 not found"},
        {"min", [&] { Min(t); }, "20"},
        {"max", [&] { Max(t); }, "80"},
        {"height", [&] { height(t); }, "4"},
        {"count", [&] { Count(t); }, "8"},
        {"display", [&] { DisplayTree(t); },
         "        80\n    70\n        60\n50\n        40\n            35\n    30\n        20"},
    };
    for (const PrintCase &c : cases)
        EXPECT_EQ(wb::CaptureStdout(c.call), c.printed) << c.name;
    EXPECT_EQ(add(t), 385);
    Destroy(&t, keys);
}

TEST(BstTest, KeyAlreadyPresentIsNotInsertedAgain) {
    treeT t = Build({5, 5, 3, 5, 3});
    EXPECT_EQ(wb::CaptureStdout([&] { Count(t); }), "2");
    EXPECT_EQ(add(t), 8);
    Destroy(&t, {5, 3});
}

TEST(BstTest, ZeroAndNegativeKeysAreOrdinaryKeys) {
    treeT t = Build({0, -7, 4});
    EXPECT_EQ(wb::CaptureStdout([&] { ListInOrder(t); }), "-7 0 4");
    EXPECT_EQ(wb::CaptureStdout([&] { Min(t); }), "-7");
    EXPECT_EQ(add(t), -3);
    Destroy(&t, {0, -7, 4});
}

TEST(BstTest, SumWrapsInsteadOfOverflowing) {
    treeT t = Build({INT_MAX, 1});
    EXPECT_EQ(add(t), INT_MIN);
    Destroy(&t, {INT_MAX, 1});
}

TEST(BstTest, DeletionKeepsTheSearchOrder) {
    const std::vector<int> keys = {50, 30, 70, 20, 40, 60, 80, 35};
    struct Case {
        const char *name;
        int key;
        std::string preorder;
    } cases[] = {
        {"leaf", 20, "50 30 40 35 70 60 80"},
        {"only a left child", 40, "50 30 20 35 70 60 80"},
        {"two children", 30, "50 35 20 40 70 60 80"},
        {"root with two children", 50, "60 30 20 40 35 70 80"},
        {"absent key", 45, "50 30 20 40 35 70 60 80"},
    };
    for (const Case &c : cases) {
        treeT t = Build(keys);
        DeleteNode(&t, c.key);
        EXPECT_EQ(wb::CaptureStdout([&] { PreOrderWalk(t); }), c.preorder) << c.name;
        Destroy(&t, keys);
    }
}

TEST(BstTest, RootWithOneChildOrNoneIsReplaced) {
    treeT t = Build({10, 20, 15});
    DeleteNode(&t, 10);  // only a right child
    EXPECT_EQ(wb::CaptureStdout([&] { PreOrderWalk(t); }), "20 15");
    DeleteNode(&t, 20);  // only a left child
    EXPECT_EQ(wb::CaptureStdout([&] { PreOrderWalk(t); }), "15");
    DeleteNode(&t, 15);
    EXPECT_EQ(t, nullptr);
}

TEST(BstTest, RandomRunMatchesASetModel) {
    std::mt19937 gen(6);
    std::uniform_int_distribution<int> keyOf(-40, 40);
    wb::TreeModel model;
    const int kSteps = wb::Steps(2000);
    for (int step = 0; step < kSteps; step++) {
        int key = keyOf(gen);
        model.Step(gen() % 3 == 0 ? wb::kTreeDelete : wb::kTreeInsert, key);
        ASSERT_EQ(model.Mismatch(), "") << "step " << step;
    }
    EXPECT_TRUE(model.Clear());
}

}  // namespace
