// The cases every program's view shares, run as one table: -i with -j view.json draws and
// describes, -j view.json alone only describes, and an argument list that is not a view's
// leaves the run as it was; then a program's own cases.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_program.h"

namespace wb {

struct ViewCase {
    std::vector<std::string> args;
    RunResult expected;
};

// drawn is the output with -i, described view.json's contents, plain the output without a
// view, not_a_view an argument list that turns no view on.
inline void ExpectViews(const std::string &program, Run run, const std::string &drawn,
                        const std::string &described, const std::string &plain,
                        const std::vector<std::string> &not_a_view,
                        const std::vector<ViewCase> &more = {}) {
    std::vector<ViewCase> cases = {
        {{"-i", "-j", "view.json"}, {drawn, "", 0, {{"view.json", described}}}},
        {{"-j", "view.json"}, {plain, "", 0, {{"view.json", described}}}},
        {not_a_view, {plain, "", 0}},
    };
    cases.insert(cases.end(), more.begin(), more.end());
    for (const ViewCase &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        run.args = c.args;
        EXPECT_EQ(RunProgram(program, run), c.expected);
    }
}

}  // namespace wb
