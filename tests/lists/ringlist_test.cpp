// The ringlist program: its command line and its data file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace {

struct RinglistCase {
    const char *name;
    wb::Run run;
    const char *out;
    int status;
};

TEST(RinglistTest, CommandLine) {
    const char *goofed = "ERROR: you dun goofed bro!!!!\n";
    const RinglistCase cases[] = {
        {"no arguments", {}, goofed, 1},
        {"two arguments", {.args = {"data", "b"}, .files = {{"data", "1\n"}}}, goofed, 1},
        {"four arguments",
         {.args = {"data", "b", "c", "d"}, .files = {{"data", "1\n"}}},
         goofed,
         1},
        {"missing file", {.args = {"nothere", "b", "c"}}, "", 1},
        {"readable file", {.args = {"data", "b", "c"}, .files = {{"data", "1 2 3\n"}}}, "", 0},
        {"empty file", {.args = {"data", "b", "c"}, .files = {{"data", ""}}}, "", 0},
    };
    for (const RinglistCase &c : cases) {
        SCOPED_TRACE(c.name);
        wb::RunResult result = wb::RunProgram("ringlist", c.run);
        EXPECT_EQ(result, (wb::RunResult{c.out, "", c.status}));
    }
}

// The ring list's example client draws the ring after every command; it takes -j FILE only.
TEST(RinglistTest, RingdemoDrawsTheRing) {
    const std::string commands = wb::SourceFile("lists/samples/ring-commands.txt");
    const std::string usage =
        "usage: ringdemo [-j FILE] < commands\n"
        "  -j FILE  also write each drawing of the ring to FILE as a line of JSON\n";
    const struct {
        std::vector<std::string> args;
        wb::RunResult expected;
    } cases[] = {
        {{}, {wb::SourceFile("tests/lists/expected/ringdemo.txt"), "", 0}},
        {{"-j", "view.json"},
         {wb::SourceFile("tests/lists/expected/ringdemo.txt"),
          "",
          0,
          {{"view.json", wb::SourceFile("tests/lists/expected/ringdemo.json")}}}},
        {{"-i"}, {"", usage, 2}},
        {{"-j"}, {"", usage, 2}},
        {{"-j", "a", "-j", "b"}, {"", usage, 2}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        EXPECT_EQ(wb::RunProgram("ringdemo", {.args = c.args, .input = commands}), c.expected);
    }
}

}  // namespace
