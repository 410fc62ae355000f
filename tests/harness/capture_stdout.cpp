#include "capture_stdout.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace wb {

// Random runs capture twice a step, so capturing stays in memory: stdout itself points at a
// memory stream while the body runs (glibc's stdout is a plain variable).
std::string CaptureStdout(const std::function<void()> &body) {
    fflush(stdout);
    char *data = nullptr;
    size_t size = 0;
    FILE *stream = open_memstream(&data, &size);
    if (stream == nullptr) throw std::runtime_error("open_memstream failed");
    FILE *saved = stdout;
    stdout = stream;
    body();
    stdout = saved;
    fclose(stream);
    std::string text(data, size);
    free(data);
    return text;
}

}  // namespace wb
