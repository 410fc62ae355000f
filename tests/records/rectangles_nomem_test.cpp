// The check on the block of 50 rectangles holds in a build with NDEBUG, where the assertion
// facility is compiled out: it reports the way a failed assertion does and aborts, before any
// prompt.
#include <gtest/gtest.h>

#include <csignal>
#include <cstddef>
#include <cstdio>

extern "C" void *__real_malloc(size_t size);

int rectangles_main(int nargs, char *argv[]);

namespace {

bool failBlocks = false;

}  // namespace

// Linked with --wrap=malloc: only calls from statically linked objects come here.
extern "C" void *__wrap_malloc(size_t size) {
    return failBlocks ? nullptr : __real_malloc(size);
}

namespace {

TEST(RectanglesDeathTest, FailedAllocationAbortsLikeAnAssertion) {
    char name[] = "rectangles";
    char *argv[] = {name, nullptr};
    EXPECT_EXIT(
        {
            failBlocks = true;
            rectangles_main(1, argv);
            std::fflush(stdout);
        },
        ::testing::KilledBySignal(SIGABRT),
        "^rectangles: .*records/rectangles\\.cpp:[0-9]+: int rectangles_main\\(int, char\\*\\*\\): "
        "Assertion `recs' failed\\.\n$");
}

}  // namespace
