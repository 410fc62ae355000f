// The table operations in-process: find-or-insert, and the refusals that leave the table alone.
#include "hashing/hash.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "capture_stdout.h"
#include "tests/hashing/load_run.h"

namespace {

class HashTest : public ::testing::Test {
   protected:
    void SetUp() override { memset(hashTable, 0, sizeof hashTable); }
};

TEST_F(HashTest, FindsOrInsertsAndReturnsTheSlot) {
    EXPECT_EQ(search(5, 50), 5);
    std::string printed;
    int slot = 0;
    printed = wb::CaptureStdout([&] { slot = search(305, 3050); });
    EXPECT_EQ(slot, 6);
    EXPECT_EQ(printed, "SEARCH FOR 5 REHASHES 0\n");
    EXPECT_EQ(hashTable[6].k, 305);
    EXPECT_EQ(hashTable[6].r, 3050);
    // Found again: same slot, value unchanged.
    printed = wb::CaptureStdout([&] { slot = search(305, 1); });
    EXPECT_EQ(slot, 6);
    EXPECT_EQ(hashTable[6].r, 3050);
}

TEST_F(HashTest, RefusesNegativeKeysAndFullTables) {
    EXPECT_EQ(search(-1, -1), NoSlot);
    for (int key = 1; key <= TableSize; key++)
        ASSERT_EQ(search(key, key), key % TableSize);
    record before[TableSize];
    memcpy(before, hashTable, sizeof before);
    int slot = 0;
    std::string printed = wb::CaptureStdout([&] { slot = search(1000, 1000); });
    EXPECT_EQ(slot, NoSlot);
    EXPECT_EQ(memcmp(before, hashTable, sizeof before), 0);
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), TableSize);
    // A key already present is still found in a full table.
    EXPECT_EQ(wb::CaptureStdout([&] { slot = search(150, 0); }), "");
    EXPECT_EQ(slot, 150);
}

// Each search prints one collision line per slot it steps past, no more and no fewer: five runs of
// every load the plot sweeps.
TEST_F(HashTest, PrintsOneLinePerSlotSteppedPast) {
    for (double load : wb::kLoads)
        for (unsigned run = 1; run <= 5; run++)
            wb::LoadRun(run, load, [](wb::LoadPhase, int key, int slot, long lines) {
                EXPECT_EQ(lines, (slot - key % TableSize + TableSize) % TableSize) << key;
            });
}

}  // namespace
