// Reads what a module prints: standard output goes to a memory stream between Begin and End.
// Only the C stream stdout is redirected; std::cout keeps writing to the terminal.
#ifndef WORKBENCH_BENCH_COMMON_CAPTURE_H
#define WORKBENCH_BENCH_COMMON_CAPTURE_H

#include <cstdio>
#include <cstdlib>
#include <string>

namespace wb {

class Capture {
   public:
    void Begin() {
        std::fflush(stdout);
        saved_ = stdout;
        stream_ = open_memstream(&buffer_, &size_);
        if (stream_ == nullptr) std::abort();
        stdout = stream_;
    }

    // Everything printed since Begin.
    std::string End() {
        std::fclose(stream_);
        stdout = saved_;
        std::string text(buffer_, size_);
        std::free(buffer_);
        buffer_ = nullptr;
        return text;
    }

   private:
    FILE *saved_ = nullptr;
    FILE *stream_ = nullptr;
    char *buffer_ = nullptr;
    size_t size_ = 0;
};

}  // namespace wb

#endif
