// The check on the block of 50 rectangles holds in every build, the optimised ones that define
// NDEBUG included: the C library's assertion reports it, under this test program's name, and
// aborts before any prompt.
#include <gtest/gtest.h>

#include <csignal>
#include <cstddef>
#include <cstdio>

#include "fail_alloc.h"

extern "C" int rectangles_main(int nargs, char *argv[]);

namespace {

TEST(RectanglesDeathTest, FailedAllocationAbortsLikeAnAssertion) {
    char name[] = "rectangles";
    char *argv[] = {name, nullptr};
    EXPECT_EXIT(
        {
            faults::FailAllocation(1);
            rectangles_main(1, argv);
            std::fflush(stdout);
        },
        ::testing::KilledBySignal(SIGABRT),
        "^rectangles_nomem_test: .*records/rectangles\\.cpp:[0-9]+: int main\\(int, char "
        "?\\*\\*\\): "
        "Assertion `recs' failed\\.\n$");
}

}  // namespace
