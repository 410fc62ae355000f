// Runs a built program the way a user would: in a fresh scratch directory holding the given data
// files, with the given arguments and standard input, and captures everything it writes.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace wb {

struct Run {
    std::vector<std::string> args;             // after the program name
    std::string input;                         // the whole of standard input
    std::map<std::string, std::string> files;  // name -> contents, created in the scratch dir
    std::vector<std::string> dirs;             // empty directories created there
};

struct RunResult {
    std::string out;  // standard output
    std::string err;  // standard error
    int status;       // exit status, or 128 + signal number when a signal ended it
    // The files the program left in its working directory that the run did not give it (or
    // gave with other contents): name -> contents. Empty for a program that writes none.
    std::map<std::string, std::string> files = {};

    // Tests compare whole results: EXPECT_EQ(RunProgram(...), (RunResult{out, err, status})).
    bool operator==(const RunResult &) const = default;
};

// Shows a result in test failure reports.
void PrintTo(const RunResult &result, std::ostream *os);

// program names a target built into the build tree's bin/ directory (a program or an example).
// A run that takes longer than a minute is ended by SIGALRM.
RunResult RunProgram(const std::string &program, const Run &run = {});

// Path of a built program, for tests that need it directly.
std::string ProgramPath(const std::string &program);

// The contents of a file of the source tree (a sample, a golden file), by its path there.
std::string SourceFile(const std::string &path);

// Writes contents to a new file in a scratch directory that lasts as long as the test program,
// for in-process tests that read files, and returns its path.
std::string ScratchFile(const std::string &contents);

}  // namespace wb
