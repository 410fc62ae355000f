// What every buffer module shares beyond the checker's cases (tests/check runs those on each):
// the module under test is chosen at link time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alloc_sweep.h"
#include "buffers/buffer.h"
#include "edit_script.h"

namespace {

// Every allocation of a new buffer and of typing into it, made to fail in turn, ends the program
// through GetBlock. The typing stays within gridrow's capacity and runs long enough for every
// other module to grow its storage more than once.
TEST(BufferAllocationTest, EveryFailureEndsThroughGetBlock) {
    // Made before the sweep, whose failures reach every allocation of the program's own code.
    const std::vector<std::string> lines =
        wb::EditLines(std::string(40, 'a') + "[" + std::string(40, 'b') + "<<#");
    wb::SweepResult sweep = wb::SweepAllocations(
        [&] {
            bufferADT buffer = NewBuffer();
            wb::RunLines(buffer, lines);
            FreeBuffer(buffer);
        },
        "Out of memory\n");
    EXPECT_EQ(sweep.failure, "");
    EXPECT_GT(sweep.allocations, 0);
}

}  // namespace
