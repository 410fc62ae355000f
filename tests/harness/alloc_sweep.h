// Out-of-memory sweeps: every allocation of an operation made to fail in turn.
#pragma once

#include <functional>
#include <string>

namespace wb {

struct SweepResult {
    int allocations;      // how many allocations the operation made when none failed
    std::string failure;  // empty, or how a run with a failed allocation ended otherwise
};

// Runs body in a child process with allocation 1 made to fail, then 2, 3 and so on, until body
// completes with the failure never reached (or ends the process with status 0). Every run whose
// allocation failed must end with exit status 1 and exactly message on standard error; one that
// returns regardless, crashes or prints anything else stops the sweep with failure set.
SweepResult SweepAllocations(const std::function<void()> &body, const std::string &message);

}  // namespace wb
