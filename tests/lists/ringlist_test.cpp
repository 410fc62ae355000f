// The ringlist program: its command line and its data file.
#include <gtest/gtest.h>

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

}  // namespace
