// The Lab's memory services: the live blocks the table lists are exactly the ones taken and not
// given back, through a long run of takes and frees in a scrambled order; each memory fault ends
// the program with its name and status 70; Error and the want of memory end it as genlib's do.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <random>

#include "fail_alloc.h"
#include "support/genlib.h"
#include "web/lab/lab_memory.h"

namespace {

// The table as a map: address -> (size, origin).
std::map<uintptr_t, std::pair<uint32_t, uint32_t>> Table() {
    std::map<uintptr_t, std::pair<uint32_t, uint32_t>> table;
    for (uint32_t i = 0; i < LabBlockCount(); i++) {
        const labBlockT &b = LabBlocks()[i];
        EXPECT_TRUE(table.emplace(b.address, std::make_pair(b.size, b.origin)).second)
            << "listed twice";
    }
    return table;
}

TEST(LabMemory, TheTableListsEveryLiveBlockAndNoOther) {
    std::mt19937 random(7);
    std::map<uintptr_t, std::pair<uint32_t, uint32_t>> live;
    std::vector<void *> held;
    for (int step = 0; step < 20000; step++) {
        bool take = held.empty() || random() % 5 < 3;
        if (take) {
            uint32_t size = static_cast<uint32_t>(random() % 40);
            bool fromMalloc = random() % 2 == 0;
            void *p = fromMalloc ? LabMalloc(size) : GetBlock(size);
            uint32_t asked = fromMalloc || size > 0 ? size : 1;  // GetBlock(0) takes one byte
            memset(p, 'x', asked);
            live[reinterpret_cast<uintptr_t>(p)] = {asked,
                                                    fromMalloc ? LabFromMalloc : LabFromGetBlock};
            held.push_back(p);
        } else {
            size_t k = random() % held.size();
            void *p = held[k];
            held[k] = held.back();
            held.pop_back();
            if (live[reinterpret_cast<uintptr_t>(p)].second == LabFromMalloc)
                LabFree(p);
            else
                FreeBlock(p);
            live.erase(reinterpret_cast<uintptr_t>(p));
        }
        if (step % 997 == 0) {
            ASSERT_EQ(Table(), live) << "at step " << step;
            LabCheckAll();
        }
    }
    ASSERT_EQ(Table(), live);
    for (void *p : held)
        LabFree(p);
    EXPECT_EQ(LabBlockCount(), 0u);
    LabExpectEmpty("after the test");
}

TEST(LabMemory, ReallocKeepsTheBytesAndCallocClears) {
    char *p = static_cast<char *>(LabMalloc(4));
    memcpy(p, "abcd", 4);
    p = static_cast<char *>(LabRealloc(p, 100));
    EXPECT_EQ(memcmp(p, "abcd", 4), 0);
    p = static_cast<char *>(LabRealloc(p, 2));
    EXPECT_EQ(memcmp(p, "ab", 2), 0);
    int *zeros = static_cast<int *>(LabCalloc(8, sizeof(int)));
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(zeros[i], 0);
    char *copy = LabStrndup("hello", 3);
    EXPECT_STREQ(copy, "hel");
    EXPECT_EQ(LabBlockCount(), 3u);
    LabFree(p);
    LabFree(zeros);
    LabFree(copy);
    EXPECT_EQ(LabCalloc(SIZE_MAX / 2, 4), nullptr);
    EXPECT_EQ(LabBlockCount(), 0u);
}

// Each fault: what the program does, and what it must write before it ends with status 70.
struct faultCase {
    const char *name;
    void (*body)();
    const char *says;
};

const faultCase kFaults[] = {
    {"leak", [] { GetBlock(16), LabExpectEmpty("after FreeBuffer"); },
     "memory error: leak: 1 block of 16 bytes in all still held after FreeBuffer"},
    {"double free",
     [] {
         void *p = GetBlock(8);
         FreeBlock(p);
         FreeBlock(p);
     },
     "memory error: double free: FreeBlock\\(0x"},
    {"never handed out",
     [] {
         static char stack[16];
         LabFree(stack);
     },
     "memory error: free of a pointer never handed out: free\\(0x"},
    {"null", [] { FreeBlock(nullptr); },
     "memory error: free of a pointer never handed out: FreeBlock\\(0\\)"},
    {"inside a block",
     [] {
         char *p = static_cast<char *>(GetBlock(8));
         FreeBlock(p + 1);
     },
     "memory error: free of a pointer never handed out"},
    {"past the end, at its free",
     [] {
         char *p = static_cast<char *>(GetBlock(10));
         p[10] = 'x';
         FreeBlock(p);
     },
     "memory error: write past the end of a block: block 0x[0-9a-f]+ of 10 bytes"},
    {"past the end, at a check",
     [] {
         char *p = static_cast<char *>(LabMalloc(3));
         p[3 + 15] = 'x';
         LabCheckAll();
     },
     "memory error: write past the end of a block"},
    {"before the start",
     [] {
         char *p = static_cast<char *>(GetBlock(10));
         p[-1] = 'x';
         LabCheckAll();
     },
     "memory error: write before the start of a block"},
    {"freed",
     [] {
         char *p = static_cast<char *>(GetBlock(10));
         FreeBlock(p);
         p[9] = 'x';
         LabCheckAll();
     },
     "memory error: write to a freed block: block 0x[0-9a-f]+ of 10 bytes, freed before"},
    {"realloc of a freed block",
     [] {
         void *p = LabMalloc(10);
         LabFree(p);
         LabRealloc(p, 20);
     },
     "memory error: double free: realloc\\(0x"},
};

class LabFault : public testing::TestWithParam<faultCase> {};

TEST_P(LabFault, EndsTheProgramWithItsName) {
    EXPECT_EXIT(GetParam().body(), testing::ExitedWithCode(LabFaultStatus), GetParam().says);
}

std::string FaultName(const testing::TestParamInfo<faultCase> &param) {
    std::string name = param.param.name;
    for (char &c : name)
        c = isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Each, LabFault, testing::ValuesIn(kFaults), FaultName);

TEST(LabMemory, ErrorAndTheWantOfMemoryEndAsGenlibsDo) {
    EXPECT_EXIT(Error("Buffer size exceeded"), testing::ExitedWithCode(1),
                "^Buffer size exceeded\n$");
    EXPECT_EXIT(GetBlock(SIZE_MAX / 2), testing::ExitedWithCode(1), "^Out of memory\n$");
}

// A take that finds no memory gives back the freed blocks held back, and tries once more.
TEST(LabMemory, TheBlocksHeldBackGoWhenMemoryRunsOut) {
    FreeBlock(GetBlock(64));
    wb::FailAllocation(1);
    void *p = GetBlock(100);
    EXPECT_FALSE(wb::Pending());
    EXPECT_EQ(LabOutOfMemory(), 0);
    FreeBlock(p);
}

}  // namespace
