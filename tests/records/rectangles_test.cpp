// Golden tests of rectangles: the overlap verdict for A and B, the echo of the answers, and both
// counts over the 50 random rectangles, which come from the unseeded generator.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>

#include "run_program.h"

namespace {

struct Box {
    double x, y, w, h;
};

const char kPrompts[] =
    "Please enter a x coordinate for A:\n"
    "Please enter a y coordinate for A:\n"
    "Please enter a Width coordinate for A:\n"
    "Please enter a Height coordinate for A:\n"
    "Please enter a x coordinate for B:\n"
    "Please enter a y coordinate for B:\n"
    "Please enter a width coordinate for B:\n"
    "Please enter a Height coordinate for B:\n";

// Open intervals on both axes: touching edges and corners do not count.
bool Overlaps(const Box &p, const Box &q) {
    return p.x < q.x + q.w && q.x < p.x + p.w && p.y < q.y + q.h && q.y < p.y + p.h;
}

// How many of the program's 50 rectangles overlap r. An unseeded generator starts as srand(1),
// and each rectangle takes x, y, h and w from it in that order.
int RandomOverlaps(const Box &r) {
    std::srand(1);
    int count = 0;
    for (int i = 0; i < 50; i++) {
        Box random;
        random.x = std::rand() % 20;
        random.y = std::rand() % 20;
        random.h = std::rand() % 20;
        random.w = std::rand() % 20;
        if (Overlaps(r, random)) count++;
    }
    return count;
}

std::string Echo(const Box &a, const Box &b) {
    char text[512];
    std::snprintf(text, sizeof text,
                  "\na[x]=%f\n\na[y]=%f\n\na[width]=%f\n\na[height]=%f\n"
                  "\nb[x]=%f\n\nb[y]=%f\n\nb[width]=%f\n\nb[height]=%f\n",
                  a.x, a.y, a.w, a.h, b.x, b.y, b.w, b.h);
    return text;
}

std::string Counts(const Box &a, const Box &b) {
    return "\nOf the 50 random rectangles " + std::to_string(RandomOverlaps(a)) +
           " overlap with A \n\nOf the 50 random rectangles " + std::to_string(RandomOverlaps(b)) +
           " overlap with B \n";
}

struct RectanglesCase {
    const char *name;
    const char *input;
    Box a, b;  // what the answers put into A and B
    bool overlap;
};

const RectanglesCase kCases[] = {
    {"SharedEdge", "0\n0\n10\n10\n10\n0\n5\n5\n", {0, 0, 10, 10}, {10, 0, 5, 5}, false},
    {"SharedCorner", "0 0 10 10 10 10 5 5\n", {0, 0, 10, 10}, {10, 10, 5, 5}, false},
    {"Overlapping", "0\n0\n10\n10\n9.5\n9.5\n1\n1\n", {0, 0, 10, 10}, {9.5, 9.5, 1, 1}, true},
    {"OverlappingTheOtherWay",
     "9.5\n9.5\n1\n1\n0\n0\n10\n10\n",
     {9.5, 9.5, 1, 1},
     {0, 0, 10, 10},
     true},
    {"ZeroWidthInside", "0 0 10 10 5 2 0 3\n", {0, 0, 10, 10}, {5, 2, 0, 3}, true},
    {"Identical", "3 4 5 6 3 4 5 6\n", {3, 4, 5, 6}, {3, 4, 5, 6}, true},
    {"NegativeSizesAccepted", "10 10 -5 -5 6 6 1 1\n", {10, 10, -5, -5}, {6, 6, 1, 1}, false},
    // An answer that does not parse, and every answer after it, leaves its field 0.
    {"UnparsableAnswer", "1\n2\nwide\n4\n5\n6\n7\n8\n", {1, 2, 0, 0}, {0, 0, 0, 0}, false},
    {"InputEndsEarly", "1 2 3", {1, 2, 3, 0}, {0, 0, 0, 0}, false},
    {"NoInput", "", {0, 0, 0, 0}, {0, 0, 0, 0}, false},
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const RectanglesCase &c, std::ostream *os) {
    *os << c.name;
}

class RectanglesGolden : public ::testing::TestWithParam<RectanglesCase> {};

TEST_P(RectanglesGolden, EchoesVerdictAndCounts) {
    const RectanglesCase &c = GetParam();
    wb::RunResult run = wb::RunProgram("rectangles", {.input = c.input});
    std::string verdict = c.overlap ? "\nYour A and B overlap\n" : "";
    EXPECT_EQ(run, (wb::RunResult{kPrompts + Echo(c.a, c.b) + verdict + Counts(c.a, c.b), "", 0}));
}

INSTANTIATE_TEST_SUITE_P(Rectangles, RectanglesGolden, ::testing::ValuesIn(kCases),
                         [](const auto &tested) { return std::string(tested.param.name); });

// The random rectangles are the same on every run, and a rectangle reaching past the whole
// 0..38 square meets every one of them.
TEST(RectanglesTest, RandomRectanglesRepeat) {
    wb::RunResult first = wb::RunProgram("rectangles", {.input = "-1 -1 41 41 -1 -1 41 41\n"});
    wb::RunResult second = wb::RunProgram("rectangles", {.input = "-1 -1 41 41 -1 -1 41 41\n"});
    EXPECT_EQ(first.out, second.out);
    const std::string tail =
        "\nOf the 50 random rectangles 50 overlap with A \n"
        "\nOf the 50 random rectangles 50 overlap with B \n";
    ASSERT_GE(first.out.size(), tail.size());
    EXPECT_EQ(first.out.substr(first.out.size() - tail.size()), tail);
}

}  // namespace
