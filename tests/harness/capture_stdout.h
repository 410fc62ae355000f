// Standard output of code run in-process, for the tests, fuzz targets and benchmarks alike: only
// the C stream moves (glibc's stdout is a plain variable), and nothing but the C library is used.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace wb {

// Runs body with standard output written to the stream to, then puts it back and closes to.
inline void WithStdout(FILE *to, const std::function<void()> &body) {
    if (to == nullptr) std::abort();
    std::fflush(stdout);
    FILE *saved = stdout;
    stdout = to;
    body();
    stdout = saved;
    std::fclose(to);
}

// Runs body with standard output collected in memory and returns what it printed.
inline std::string CaptureStdout(const std::function<void()> &body) {
    char *data = nullptr;
    size_t size = 0;
    WithStdout(open_memstream(&data, &size), body);
    std::string text(data, size);
    std::free(data);
    return text;
}

}  // namespace wb
