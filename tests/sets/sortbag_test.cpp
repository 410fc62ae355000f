// The set's contract: ascending order with duplicates kept, the printed form, the difference,
// and the end of the program at the 101st entry. Also checks the bundled client.
#include "sets/set.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "run_program.h"
#include "soak.h"
#include "support/genlib.h"
#include "tests/sets/bag_model.h"

namespace {

setADT Make(const std::vector<int> &elements) {
    setADT S = NewSet();
    for (int e : elements)
        EXPECT_EQ(setInsertElementSorted(S, e), S);
    return S;
}

TEST(SortbagTest, InsertionsKeepAscendingOrder) {
    struct Case {
        std::vector<int> inserted;
        std::string printed;
    };
    const Case cases[] = {
        {{}, "{}"},
        {{7}, "{7}"},
        {{5, 3, 9}, "{3,5,9}"},
        {{4, 4}, "{4,4}"},
        {{2, -1, 2, 0, -1}, "{-1,-1,0,2,2}"},
        {{2147483647, -2147483647 - 1, 0}, "{-2147483648,0,2147483647}"},
    };
    for (const Case &c : cases) {
        setADT S = Make(c.inserted);
        EXPECT_EQ(wb::SetPrinted(S), c.printed);
        FreeBlock(S);
    }
}

TEST(SortbagTest, RandomInsertionsMatchASortedList) {
    srand(99);
    const int kRounds = wb::Steps(200);
    for (int round = 0; round < kRounds; round++) {
        wb::BagModel S;
        for (int n = rand() % 101; n > 0; n--) {
            S.Insert(rand() % 41 - 20);
            ASSERT_EQ(S.Printed(), S.Shown());
        }
    }
}

TEST(SortbagTest, DifferenceKeepsWhatTheOtherSetLacks) {
    struct Case {
        std::vector<int> a, b, difference;
    };
    const Case cases[] = {
        {{1, 2, 3}, {2}, {1, 3}},
        {{1, 2, 3}, {}, {1, 2, 3}},
        {{1, 2, 3}, {1, 2, 3}, {}},
        {{}, {1, 2}, {}},
        {{5, 5, 6, 7, 7}, {6, 6}, {5, 5, 7, 7}},
    };
    for (const Case &c : cases) {
        setADT A = Make(c.a), B = Make(c.b);
        setADT D = setDifference(A, B);
        EXPECT_NE(D, A);
        EXPECT_NE(D, B);
        EXPECT_EQ(wb::SetPrinted(D), wb::SetShown(c.difference));
        EXPECT_EQ(wb::SetPrinted(A), wb::SetShown(c.a));
        EXPECT_EQ(wb::SetPrinted(B), wb::SetShown(c.b));
        FreeBlock(A);
        FreeBlock(B);
        FreeBlock(D);
    }
}

TEST(SortbagTest, RandomDifferencesMatchAMultisetModel) {
    srand(5);
    const int kRounds = wb::Steps(300);
    for (int round = 0; round < kRounds; round++) {
        wb::BagModel A, B;
        for (int n = rand() % 101; n > 0; n--)
            A.Insert(rand() % 30);
        for (int n = rand() % 101; n > 0; n--)
            B.Insert(rand() % 30);
        A.Subtract(B);
        ASSERT_EQ(A.Printed(), A.Shown());
    }
}

// 100 entries fit, and so does a difference as large; the 101st ends the program.
TEST(SortbagDeathTest, HoldsOneHundredEntries) {
    setADT S = NewSet(), empty = NewSet();
    std::vector<int> values;
    for (int i = 100; i > 0; i--) {
        values.push_back(i);
        setInsertElementSorted(S, i);
    }
    setADT copy = setDifference(S, empty);
    EXPECT_EQ(wb::SetPrinted(copy), wb::SetShown(values));
    EXPECT_EXIT(setInsertElementSorted(S, -1), ::testing::ExitedWithCode(1),
                "^Set capacity exceeded\n$");
    EXPECT_EXIT(setInsertElementSorted(S, 1000), ::testing::ExitedWithCode(1),
                "^Set capacity exceeded\n$");
    EXPECT_EQ(wb::SetPrinted(S), wb::SetShown(values));
    FreeBlock(S);
    FreeBlock(empty);
    FreeBlock(copy);
}

TEST(BagdemoTest, ShowsInsertionsAndDifferences) {
    wb::RunResult run = wb::RunProgram(
        "bagdemo",
        {.input = "A 5 3 9\nB 3 4 4\n\n  A 3\t-1\nC 1\nB 1x 99999999999 -0\nB\v7\f\r\nA"});
    EXPECT_EQ(run.out,
              "A + 5 = {5}\n"
              "A + 3 = {3,5}\n"
              "A + 9 = {3,5,9}\n"
              "B + 3 = {3}\n"
              "B + 4 = {3,4}\n"
              "B + 4 = {3,4,4}\n"
              "A + 3 = {3,3,5,9}\n"
              "A + -1 = {-1,3,3,5,9}\n"
              "Unknown set: C\n"
              "Not an integer: 1x\n"
              "Not an integer: 99999999999\n"
              "B + 0 = {0,3,4,4}\n"
              "B + 7 = {0,3,4,4,7}\n"
              "A = {-1,3,3,5,9}\n"
              "B = {0,3,4,4,7}\n"
              "A - B = {-1,5,9}\n"
              "B - A = {0,4,4,7}\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
}

TEST(BagdemoTest, OverfullSetEndsWithTheCapacityMessage) {
    std::string line = "A";
    for (int i = 0; i < 101; i++) {
        line += ' ';
        line += std::to_string(i);
    }
    wb::RunResult run = wb::RunProgram("bagdemo", {.input = line + "\n"});
    EXPECT_EQ(run.err, "Set capacity exceeded\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("A + 99 = {0,1,"), std::string::npos);
    EXPECT_EQ(run.out.find("A + 100"), std::string::npos);
}

}  // namespace
