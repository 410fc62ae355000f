// The workbench command in front of the programs: its list and its refusals. Running a program
// through it is checked on the unpacked package (tests/install/package_test.sh).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "run_program.h"

namespace {

// Alone or with --help it lists every installed program with its summary; it runs nothing else.
TEST(WorkbenchTest, ListsItsProgramsAndRefusesOtherNames) {
    const wb::RunResult help = wb::RunProgram("workbench", {.args = {"--help"}});
    EXPECT_EQ(wb::RunProgram("workbench"), help);
    EXPECT_EQ(help.status, 0);
    std::istringstream programs(WORKBENCH_PROGRAMS);
    for (std::string program; programs >> program;)
        EXPECT_THAT(help.out, testing::ContainsRegex("\n  " + program + " +[a-z]"));
    for (const std::string name : {"nope", "../bin/workbench", "bufdemo-gridrow", ""})
        EXPECT_EQ(
            wb::RunProgram("workbench", {.args = {name}}),
            (wb::RunResult{
                "", "workbench: no program named '" + name + "'; 'workbench --help' lists them\n",
                2}));
}

}  // namespace
