// sortrun and sortrun-compact end to end. The values come from the C library's unseeded rand,
// so the tests check their properties and the exact framing, not the numbers themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace {

const std::string kLabel = " Array c:\n";

// Splits "v, v, ..., v" followed by the given ending into its values, failing on any other form.
std::vector<int> Values(const std::string &list, const std::string &ending) {
    std::vector<int> values;
    EXPECT_GE(list.size(), ending.size());
    EXPECT_EQ(list.substr(list.size() - ending.size()), ending);
    std::string body = list.substr(0, list.size() - ending.size());
    size_t pos = 0;
    for (;;) {
        size_t end = body.find(", ", pos);
        std::string number = body.substr(pos, end == std::string::npos ? end : end - pos);
        EXPECT_FALSE(number.empty());
        EXPECT_EQ(number.find_first_not_of("0123456789"), std::string::npos) << number;
        values.push_back(std::stoi(number));
        if (end == std::string::npos) break;
        pos = end + 2;
    }
    return values;
}

TEST(SortrunTest, PrintsOneHundredTwentySortedValuesInRange) {
    wb::RunResult run = wb::RunProgram("sortrun");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    ASSERT_EQ(run.out.substr(0, kLabel.size()), kLabel);
    std::string list = run.out.substr(kLabel.size());
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 1);
    std::vector<int> values = Values(list, ",\n");
    ASSERT_EQ(values.size(), 120u);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    EXPECT_GE(values.front(), 30);
    EXPECT_LE(values.back(), 100);
    // 120 draws from 71 values: a constant or near-constant list would mean a broken generator.
    EXPECT_GT(std::unique(values.begin(), values.end()) - values.begin(), 30);
}

TEST(SortrunTest, EveryRunPrintsTheSame) {
    for (const char *program : {"sortrun", "sortrun-compact"}) {
        wb::RunResult first = wb::RunProgram(program);
        wb::RunResult second = wb::RunProgram(program);
        EXPECT_EQ(first.out, second.out) << program;
        EXPECT_FALSE(first.out.empty()) << program;
    }
}

TEST(SortrunTest, CompactVariantDiffersOnlyInTheEnding) {
    wb::RunResult full = wb::RunProgram("sortrun");
    wb::RunResult compact = wb::RunProgram("sortrun-compact");
    EXPECT_EQ(compact.status, 0);
    EXPECT_EQ(compact.err, "");
    ASSERT_EQ(compact.out.substr(0, kLabel.size()), kLabel);
    ASSERT_GT(full.out.size(), 2u);
    // "..., 97, 100,\n" against "..., 97, 100 ": same values, blank instead of comma and line end.
    EXPECT_EQ(compact.out, full.out.substr(0, full.out.size() - 2) + " ");
    EXPECT_EQ(Values(compact.out.substr(kLabel.size()), " "),
              Values(full.out.substr(kLabel.size()), ",\n"));
}

// -i draws every selection pass and merge step before the listing, -j FILE describes each
// drawing; any other argument list leaves the output as it was.
TEST(SortrunTest, Views) {
    const std::string drawn = wb::SourceFile("tests/sorting/expected/sortrun-inside.txt");
    for (const std::string program : {"sortrun", "sortrun-compact"}) {
        SCOPED_TRACE(program);
        const std::string plain = wb::RunProgram(program).out;
        EXPECT_EQ(wb::RunProgram(program, {.args = {"-i", "x"}}), (wb::RunResult{plain, "", 0}));
        wb::RunResult run = wb::RunProgram(program, {.args = {"-i", "-j", "view.json"}});
        // The drawings come before the listing, which stays as it was.
        EXPECT_EQ(run.out, drawn.substr(0, drawn.find(kLabel)) + plain);
        EXPECT_EQ(run.status, 0);
        // One description a drawing: the two fills, 49 and 69 passes, 120 merge steps; the
        // last holds the whole of c.
        std::istringstream lines(run.files["view.json"]);
        int count = 0;
        std::string line;
        for (std::string next; std::getline(lines, next); count++)
            line = next;
        EXPECT_EQ(count, 2 + 49 + 69 + 120);
        const std::string listed = plain.substr(kLabel.size());
        std::string cells = "\"cells\":[" + listed.substr(0, listed.find_last_of("0123456789") + 1);
        std::erase(cells, ' ');
        EXPECT_EQ(line.substr(line.size() - cells.size() - 2), cells + "]}");
    }
}

}  // namespace
