// The sorting unit's routines in-process, from the objects the program is built from.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "capture_stdout.h"
#include "run_program.h"
#include "sorting/sortrun.h"

extern "C" int sortrun_main(int argc, char *argv[]);

namespace {

std::vector<int> Merged(std::vector<int> a, std::vector<int> b, int nc, int fill = -1) {
    // Exactly sized inputs, so that a read past either end is caught by the address checker.
    std::vector<int> c(static_cast<size_t>(std::max(nc, 0)), fill);
    MERGE(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), c.data(), nc);
    return c;
}

TEST(SortRoutinesTest, MergeTakesFromAFirstOnTies) {
    EXPECT_EQ(Merged({30, 40}, {40, 50}, 4), (std::vector<int>{30, 40, 40, 50}));
}

TEST(SortRoutinesTest, MergeNeverReadsPastEitherInput) {
    struct Case {
        const char *name;
        std::vector<int> a, b;
        int nc;
        std::vector<int> c;
    } cases[] = {
        {"exact", {1, 5}, {2, 3, 9}, 5, {1, 2, 3, 5, 9}},
        {"a empty", {}, {2, 3}, 2, {2, 3}},
        {"b empty", {4, 6}, {}, 2, {4, 6}},
        {"both empty", {}, {}, 0, {}},
        {"nc beyond both", {1, 5}, {2}, 6, {1, 2, 5, -1, -1, -1}},
        {"nc beyond, a empty", {}, {7}, 3, {7, -1, -1}},
        {"nc short", {1, 5}, {2, 3}, 3, {1, 2, 3}},
        {"nc zero", {1}, {2}, 0, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Merged(c.a, c.b, c.nc), c.c) << c.name;
}

TEST(SortRoutinesTest, SelectionSortMatchesTheLibrarySort) {
    std::mt19937 gen(61);
    for (int n : {0, 1, 2, 3, 10, 70}) {
        std::vector<int> x(static_cast<size_t>(n));
        for (int &v : x)
            v = static_cast<int>(gen() % 20);
        std::vector<int> expected = x;
        std::sort(expected.begin(), expected.end());
        SELECTION_SORT(x.data(), n);
        EXPECT_EQ(x, expected) << n;
        SELECTION_SORT(x.data(), n);  // already sorted: unchanged
        EXPECT_EQ(x, expected) << n;
    }
}

TEST(SortRoutinesTest, MergedArrayIsTheMultisetUnion) {
    std::vector<int> a(50), b(70);
    set_array_rand(a.data(), 50);
    set_array_rand(b.data(), 70);
    for (int v : a)
        ASSERT_TRUE(v >= 30 && v <= 100) << v;
    SELECTION_SORT(a.data(), 50);
    SELECTION_SORT(b.data(), 70);
    std::vector<int> c = Merged(a, b, 120);
    std::vector<int> all = a;
    all.insert(all.end(), b.begin(), b.end());
    std::sort(all.begin(), all.end());
    EXPECT_EQ(c, all);
}

TEST(SortRoutinesTest, PrintArrayForms) {
    int one[] = {42};
    int three[] = {1, 2, 3};
    EXPECT_EQ(wb::CaptureStdout([&] { PRINT_ARRAY("x", three, 3); }), " x:\n1, 2, 3,\n");
    EXPECT_EQ(wb::CaptureStdout([&] { PRINT_ARRAY("one", one, 1); }), " one:\n42,\n");
    // Nothing to print: the label and the ending, and no read before the array.
    EXPECT_EQ(wb::CaptureStdout([&] { PRINT_ARRAY("none", one, 0); }), " none:\n\n");
}

TEST(SortRoutinesTest, MainPrintsWhatTheProgramPrints) {
    srand(1);  // the default seed the program runs from
    char name[] = "sortrun";
    char *argv[] = {name, nullptr};
    std::string printed = wb::CaptureStdout([&] { sortrun_main(1, argv); });
    EXPECT_EQ(printed, wb::RunProgram("sortrun").out);
}

}  // namespace
