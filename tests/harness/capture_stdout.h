// Captures what code run in-process prints, for unit tests of operations that print.
#pragma once

#include <functional>
#include <string>

namespace wb {

// Runs body with standard output sent to a scratch file and returns what it printed.
std::string CaptureStdout(const std::function<void()> &body);

}  // namespace wb
