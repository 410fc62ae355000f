// Standard output and input of code run in-process, pointed elsewhere while a body runs: for the
// tests, the fuzz targets and the benchmarks alike, so it needs nothing but the C library. Only
// the C streams move (glibc's stdout and stdin are plain variables); std::cout stays put.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace wb {

// Runs body with standard output written to the stream to, then puts it back.
inline void WithStdout(FILE *to, const std::function<void()> &body) {
    std::fflush(stdout);
    FILE *saved = stdout;
    stdout = to;
    body();
    std::fflush(to);
    stdout = saved;
}

// Runs body with standard output collected in memory and returns what it printed.
inline std::string CaptureStdout(const std::function<void()> &body) {
    char *data = nullptr;
    size_t size = 0;
    FILE *stream = open_memstream(&data, &size);
    if (stream == nullptr) std::abort();
    WithStdout(stream, body);
    std::fclose(stream);
    std::string text(data, size);
    std::free(data);
    return text;
}

// Runs body with standard output thrown away, for benchmarks of operations that print.
inline void DiscardStdout(const std::function<void()> &body) {
    FILE *null = std::fopen("/dev/null", "w");
    if (null == nullptr) std::abort();
    WithStdout(null, body);
    std::fclose(null);
}

}  // namespace wb
