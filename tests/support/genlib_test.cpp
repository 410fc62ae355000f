#include "support/genlib.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

TEST(GenlibTest, BlocksAreUsableAndDistinct) {
    for (size_t size : {size_t{0}, size_t{1}, size_t{100}, size_t{1} << 20}) {
        char *a = static_cast<char *>(GetBlock(size));
        char *b = static_cast<char *>(GetBlock(size));
        ASSERT_NE(a, nullptr);
        ASSERT_NE(a, b);
        memset(a, 'a', size);
        memset(b, 'b', size);
        if (size > 0) {
            EXPECT_EQ(a[size - 1], 'a');
        }
        FreeBlock(a);
        FreeBlock(b);
    }
}

TEST(GenlibTest, TruthValues) {
    EXPECT_EQ(FALSE, 0);
    EXPECT_EQ(TRUE, 1);
    bool truth = TRUE;
    EXPECT_TRUE(truth);
}

TEST(GenlibDeathTest, ErrorWritesOneLineAndExitsWithOne) {
    EXPECT_EXIT(Error("Token has already been saved"), ::testing::ExitedWithCode(1),
                "^Token has already been saved\n$");
}

TEST(GenlibDeathTest, ExhaustedMemoryEndsTheProgram) {
    EXPECT_EXIT(GetBlock(SIZE_MAX / 2), ::testing::ExitedWithCode(1), "Out of memory\n$");
}

}  // namespace
