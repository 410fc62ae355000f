// Out of memory in the programs that allocate: each allocation of a whole run on a bundled
// sample, made to fail in turn, ends the program with its own message and status 1. The
// programs are linked in with their main functions renamed.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "alloc_sweep.h"

extern "C" int roster_main(int argc, char *argv[]);
extern "C" int payroll_main(void);
extern "C" int driver_main(int argc, char *argv[]);

namespace {

// Runs main with standard input read from a sample file.
std::function<void()> WithInput(const char *sample, int (*main)(void)) {
    return [sample, main] {
        if (freopen(sample, "r", stdin) == nullptr) abort();
        main();
    };
}

// The tree shell without arguments, as the sample is run.
int DriverMain(void) {
    char name[] = "driver";
    char *argv[] = {name, nullptr};
    return driver_main(1, argv);
}

TEST(ProgramAllocationTest, EveryFailureEndsWithTheProgramsMessage) {
    struct Case {
        const char *name;
        std::function<void()> body;
        int allocations;  // known for a program that ends itself with status 0, else 0
    } cases[] = {
        {"roster on its sample",
         [] {
             char name[] = "roster", path[] = WORKBENCH_SOURCE_DIR "/records/samples/students.txt";
             char *argv[] = {name, path, nullptr};
             roster_main(2, argv);
         },
         0},
        {"payroll on its sample",
         WithInput(WORKBENCH_SOURCE_DIR "/records/samples/payroll.txt", payroll_main), 0},
        // A node for each of eight inserts and the level-order walk's queue; ends through Q.
        {"tree shell on its sample",
         WithInput(WORKBENCH_SOURCE_DIR "/trees/samples/commands.txt", DriverMain), 9},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        wb::SweepResult sweep = wb::SweepAllocations(c.body, "Out of memory\n");
        EXPECT_EQ(sweep.failure, "");
        if (c.allocations != 0) {
            EXPECT_EQ(sweep.allocations, c.allocations);
        } else {
            EXPECT_GT(sweep.allocations, 0);
        }
    }
}

}  // namespace
