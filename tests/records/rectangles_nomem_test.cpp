// The check on the block of 50 rectangles holds in every build, the optimised ones that define
// NDEBUG included: the C library's assertion reports it, under this test program's name, and
// aborts before any prompt. An optimiser may keep the block off the heap altogether (clang at
// -O3 does), and then there is no allocation to fail: the run says so with status 3.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "fail_alloc.h"

extern "C" int rectangles_main(int nargs, char *argv[]);

namespace {

constexpr int kNeverAllocated = 3;

bool AbortedOrNeverAllocated(int status) {
    return (WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT) ||
           (WIFEXITED(status) && WEXITSTATUS(status) == kNeverAllocated);
}

TEST(RectanglesDeathTest, FailedAllocationAbortsLikeAnAssertion) {
    char name[] = "rectangles";
    char *argv[] = {name, nullptr};
    EXPECT_EXIT(
        {
            if (freopen("/dev/null", "r", stdin) == nullptr) std::exit(1);
            wb::FailAllocation(1);
            rectangles_main(1, argv);
            std::fflush(stdout);
            std::exit(wb::Pending() ? kNeverAllocated : 0);
        },
        AbortedOrNeverAllocated,
        "^(|rectangles_nomem_test: .*records/rectangles\\.cpp:[0-9]+: int main\\(int, char "
        "?\\*\\*\\): Assertion `recs' failed\\.\n)$");
}

}  // namespace
