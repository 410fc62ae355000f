// The linked queue: its operations in-process, from the objects the program is built from, and
// its whole output from outside.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "capture_stdout.h"
#include "fail_alloc.h"
#include "run_program.h"
#include "views.h"

#include "lists/linkqueue.h"

extern "C" int linkqueue_main(int nargs, char *args[]);

namespace {

// Checks both directions of every link and returns the values front to rear.
std::vector<int> QueueValues() {
    std::vector<int> values;
    EXPECT_EQ(front == nullptr, rear == nullptr);
    if (front == nullptr) return values;
    EXPECT_EQ(front->left, nullptr);
    EXPECT_EQ(rear->right, nullptr);
    for (const node *n = front; n != nullptr; n = n->right) {
        values.push_back(n->info);
        EXPECT_EQ(n->right == nullptr ? rear : n->right->left, n);
    }
    return values;
}

std::string Listing(const std::vector<int> &values) {
    std::string text = "Queue contains: ";
    for (int value : values)
        text += std::to_string(value) + " ";
    return text + "\n";
}

class LinkqueueTest : public ::testing::Test {
   protected:
    void TearDown() override {
        wb::Disarm();
        freeQueue();
    }
    static std::vector<node *> Fill(const std::vector<int> &values) {
        std::vector<node *> nodes;
        for (int value : values) {
            nodes.push_back(getNode(value));
            insertNode(nodes.back());
        }
        return nodes;
    }
};

TEST_F(LinkqueueTest, RemovesSmallestFirst) {
    Fill({5, 19, 2, 11, 8});
    std::vector<int> left = {5, 19, 2, 11, 8};
    for (int expected : {2, 5, 8, 11, 19}) {
        EXPECT_EQ(pqmidelete(), expected);
        std::erase(left, expected);
        EXPECT_EQ(QueueValues(), left);
    }
    EXPECT_EQ(pqmidelete(), -1);
    EXPECT_EQ(empty(), 1);
}

TEST_F(LinkqueueTest, EqualSmallestLeavesFromTheFront) {
    std::vector<node *> nodes = Fill({3, 1, 4, 1});
    EXPECT_EQ(pqmidelete(), 1);
    ASSERT_EQ(QueueValues(), (std::vector<int>{3, 4, 1}));
    EXPECT_EQ(rear, nodes[3]);  // the later 1 stays
}

TEST_F(LinkqueueTest, DeleteAnywhereKeepsBothDirections) {
    struct Case {
        const char *name;
        size_t position;
        std::vector<int> after;
    } cases[] = {
        {"front", 0, {2, 3, 4}},
        {"interior", 1, {1, 3, 4}},
        {"rear", 3, {1, 2, 3}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<node *> nodes = Fill({1, 2, 3, 4});
        deleteNode(nodes[c.position]);
        EXPECT_EQ(QueueValues(), c.after);
        EXPECT_EQ(wb::CaptureStdout(printQueue), Listing(c.after));
        std::vector<int> backward(c.after.rbegin(), c.after.rend());
        EXPECT_EQ(wb::CaptureStdout(printQueueBackward), Listing(backward));
        freeQueue();
    }
}

TEST_F(LinkqueueTest, LastRemovalEmptiesTheQueue) {
    std::vector<node *> nodes = Fill({6});
    deleteNode(nodes[0]);
    EXPECT_EQ(front, nullptr);
    EXPECT_EQ(rear, nullptr);
    EXPECT_EQ(wb::CaptureStdout(printQueue), "Queue contains: \n");
    EXPECT_EQ(wb::CaptureStdout(printQueueBackward), "Queue contains: \n");
    Fill({7});  // usable again
    EXPECT_EQ(QueueValues(), std::vector<int>{7});
}

TEST_F(LinkqueueTest, DeleteOnEmptyQueueDoesNothing) {
    node *detached = getNode(1);
    deleteNode(detached);
    EXPECT_EQ(front, nullptr);
    EXPECT_EQ(detached->info, 1);  // still the caller's, not released
    free(detached);
}

TEST_F(LinkqueueTest, FreeQueueLeavesAnEmptyQueue) {
    Fill({1, 2, 3});
    freeQueue();
    EXPECT_EQ(front, nullptr);
    EXPECT_EQ(rear, nullptr);
    Fill({4});
    EXPECT_EQ(QueueValues(), std::vector<int>{4});
}

const char kDemonstration[] =
    "inserting node into queue\nQueue contains: 5 \nQueue contains: 5 \n5-1-1-1-1"
    "inserting node into queue\nQueue contains: 19 \nQueue contains: 19 \n19-1-1-1-1"
    "inserting node into queue\nQueue contains: 2 \nQueue contains: 2 \n2-1-1-1-1"
    "inserting node into queue\nQueue contains: 11 \nQueue contains: 11 \n11-1-1-1-1"
    "inserting node into queue\nQueue contains: 8 \nQueue contains: 8 \n8-1-1-1-1";

TEST(LinkqueueProgramTest, Demonstration) {
    wb::RunResult result = wb::RunProgram("linkqueue");
    EXPECT_EQ(result, (wb::RunResult{kDemonstration, "", 0}));
}

// -i draws the queue after each insertion and each removal that took a node; -j FILE
// describes each drawing; any other argument list leaves the demonstration as it was.
TEST(LinkqueueProgramTest, Views) {
    const std::string drawn = wb::SourceFile("tests/lists/expected/linkqueue-inside.txt");
    const std::string described = wb::SourceFile("tests/lists/expected/linkqueue-inside.json");
    wb::ExpectViews("linkqueue", {}, drawn, described, kDemonstration, {"-i", "extra"});
}

// A node that cannot be had is reported and its pass goes on with an empty queue.
TEST_F(LinkqueueTest, DemonstrationGoesOnWithoutANode) {
    wb::FailAllocation(2);
    char name[] = "linkqueue";
    char *argv[] = {name, nullptr};
    std::string shown = wb::CaptureStdout([&] { EXPECT_EQ(linkqueue_main(1, argv), 0); });
    std::string expected = kDemonstration;
    const std::string pass19 = "Queue contains: 19 \nQueue contains: 19 \n19-1-1-1-1";
    expected.replace(expected.find(pass19), pass19.size(),
                     "getnode returned null\nQueue contains: \nQueue contains: \n-1-1-1-1-1");
    EXPECT_EQ(shown, expected);
}

}  // namespace
