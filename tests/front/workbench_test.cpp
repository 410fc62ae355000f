// The workbench command in front of the programs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "run_program.h"

namespace {

// Through the command a program gets the same arguments, input and working directory, and its
// output and exit status are the command's.
TEST(WorkbenchTest, RunsTheProgramAsItIs) {
    const struct {
        std::string program;
        wb::Run run;
    } cases[] = {
        {"palindrome", {.args = {"abba", "x"}}},
        {"palindrome", {}},
        {"intstack", {.files = {{"data.txt", "7\n-99999\n-99999\n"}}}},
        {"linereader", {}},
        {"driver", {.input = "I 5\nO 1\nQ 1\n"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.program);
        wb::Run through = c.run;
        through.args.insert(through.args.begin(), c.program);
        EXPECT_EQ(wb::RunProgram("workbench", through), wb::RunProgram(c.program, c.run));
    }
}

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
