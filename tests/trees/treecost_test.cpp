// treecost seeds from the clock, so its rows are checked for shape and bounds rather than for
// their random averages; the exact parts (header, first and third columns) are checked exactly.
// With -s SEED a run repeats exactly.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace {

const std::string kHeader =
    "n              Average # comparisons/visits in my search           log2(n)";

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string Format(int width, int precision, double value) {
    char buf[64];
    snprintf(buf, sizeof buf, "%*.*f", width, precision, value);
    return buf;
}

// Every argument list but -s SEED is ignored, so each of these seeds from the clock.
TEST(TreecostTest, HeaderAndTenRowsOfTheRightShape) {
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {}, {"-s", "42"}, {"-s", "4x"}, {"-s", "4294967296"}, {"-s", "42", "x"}, {"-s"}}) {
        SCOPED_TRACE(testing::PrintToString(args));
        wb::RunResult run = wb::RunProgram("treecost", {.args = args});
        ASSERT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        ASSERT_FALSE(run.out.empty());
        EXPECT_EQ(run.out.back(), '\n');
        std::vector<std::string> lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 11u);
        EXPECT_EQ(lines[0], kHeader);
        for (int row = 1; row <= 10; row++) {
            const std::string &line = lines[static_cast<size_t>(row)];
            int n = 5 * row;
            std::string first = std::to_string(n);
            ASSERT_EQ(line.size(), first.size() + 40 + 35) << line;
            EXPECT_EQ(line.substr(0, first.size()), first) << line;

            std::string average = line.substr(first.size(), 40);
            double visits = std::stod(average);
            EXPECT_EQ(average, Format(40, 3, visits)) << line;
            EXPECT_EQ(average.back(), '0') << line;
            // A whole number of visits over 100 searches; a non-empty tree costs at least one
            // visit per search and no search visits more nodes than the tree holds.
            EXPECT_NEAR(visits * 100, std::round(visits * 100), 1e-6) << line;
            EXPECT_GE(visits, 1.0) << line;
            EXPECT_LE(visits, n) << line;

            float log2n = static_cast<float>(std::log(static_cast<double>(n)) / 0.6931471805599453);
            EXPECT_EQ(line.substr(first.size() + 40), Format(35, 5, log2n)) << line;
        }
        EXPECT_EQ(lines[1].substr(lines[1].size() - 7), "2.32193");
        EXPECT_EQ(lines[2].substr(lines[2].size() - 7), "3.32193");
    }
}

TEST(TreecostTest, ASeedRepeatsTheRun) {
    std::ifstream in(WORKBENCH_SOURCE_DIR "/tests/trees/expected/treecost-seed-42.txt");
    std::ostringstream golden;
    golden << in.rdbuf();
    for (const char *seed : {"42", "042"})
        EXPECT_EQ(wb::RunProgram("treecost", {.args = {"-s", seed}}),
                  (wb::RunResult{golden.str(), "", 0}));
    EXPECT_EQ(wb::RunProgram("treecost", {.args = {"-s", "4294967295"}}),
              wb::RunProgram("treecost", {.args = {"-s", "4294967295"}}));
    EXPECT_NE(wb::RunProgram("treecost", {.args = {"-s", "43"}}).out, golden.str());
}

}  // namespace
