// The behaviour every buffer module shares, run once against each module through the installed
// checker (buffers/bufcheck.h), the same cases an outside implementation is checked with. The
// module under test is chosen at link time; BUFFER_CAPACITY (0 for none) and
// BUFFER_REPORTS_ENDS are its declared traits (buffers/CMakeLists.txt).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "alloc_sweep.h"
#include "buffers/bufcheck.h"
#include "buffers/buffer.h"
#include "edit_script.h"

namespace {

// The checker reads what the module prints from standard output's descriptor, so its report
// goes to a stream of its own rather than through a capture of stdout.
TEST(BufferConformanceTest, EveryCheckerCasePasses) {
    char *report = nullptr;
    size_t size = 0;
    FILE *out = open_memstream(&report, &size);
    bool passed = CheckBuffer({BUFFER_CAPACITY, BUFFER_REPORTS_ENDS}, out);
    std::fclose(out);
    EXPECT_TRUE(passed) << report;
    std::free(report);
}

// Every allocation of a new buffer and of typing into it, made to fail in turn, ends the program
// through GetBlock. The typing stays within gridrow's capacity and runs long enough for every
// other module to grow its storage more than once.
TEST(BufferAllocationTest, EveryFailureEndsThroughGetBlock) {
    wb::SweepResult sweep = wb::SweepAllocations(
        [] {
            bufferADT buffer = NewBuffer();
            for (char step : std::string(40, 'a') + "[" + std::string(40, 'b') + "<<#")
                wb::EditStep(buffer, step);
            FreeBuffer(buffer);
        },
        "Out of memory\n");
    EXPECT_EQ(sweep.failure, "");
    EXPECT_GT(sweep.allocations, 0);
}

}  // namespace
