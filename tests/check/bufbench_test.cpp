// The buffer benchmark's workloads, set-up, length series, timing loop and fit, run on a
// counting stand-in for buffer.h and a clock that advances with the calls made, so that every
// figure is exact and nothing depends on the machine's speed.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "capture_stdout.h"
#include "check/bufbench.h"

// The stand-in: a text's length and cursor, and a count of each call.
enum Call { kNew, kFree, kForward, kBackward, kStart, kEnd, kInsert, kDelete, kDisplay, kCalls };

struct bufferCDT {
    long length = 0, cursor = 0;
};

namespace {

long gCalls[kCalls];
long gIntoEnds;  // steps and deletions that ran into an end
long gLive;      // buffers not yet freed
double gNsPerCall = 1;

void Count(Call call) {
    gCalls[call]++;
}

void Reset(double nsPerCall = 1) {
    for (long &count : gCalls)
        count = 0;
    gIntoEnds = 0;
    gNsPerCall = nsPerCall;
}

// Each call to the stand-in takes gNsPerCall nanoseconds, and nothing else takes any time.
double VirtualClock() {
    long total = 0;
    for (long count : gCalls)
        total += count;
    return gNsPerCall * static_cast<double>(total);
}

}  // namespace

extern "C" {
bufferADT NewBuffer() {
    Count(kNew);
    gLive++;
    return new bufferCDT;
}
void FreeBuffer(bufferADT buffer) {
    Count(kFree);
    gLive--;
    delete buffer;
}
void MoveCursorForward(bufferADT buffer) {
    Count(kForward);
    buffer->cursor < buffer->length ? buffer->cursor++ : gIntoEnds++;
}
void MoveCursorBackward(bufferADT buffer) {
    Count(kBackward);
    buffer->cursor > 0 ? buffer->cursor-- : gIntoEnds++;
}
void MoveCursorToStart(bufferADT buffer) {
    Count(kStart);
    buffer->cursor = 0;
}
void MoveCursorToEnd(bufferADT buffer) {
    Count(kEnd);
    buffer->cursor = buffer->length;
}
void InsertCharacter(bufferADT buffer, char) {
    Count(kInsert);
    buffer->length++;
    buffer->cursor++;
}
void DeleteCharacter(bufferADT buffer) {
    Count(kDelete);
    buffer->cursor < buffer->length ? buffer->length-- : gIntoEnds++;
}
void DisplayBuffer(bufferADT) {
    Count(kDisplay);
}
}

namespace {

TEST(BufbenchTest, LengthsAreTheOneTwoFiveSeries) {
    const struct {
        long lo, hi;
        int room;
        std::vector<long> lengths;
    } cases[] = {
        {1000,
         1000000,
         32,
         {1000, 2000, 5000, 10000, 20000, 50000, 100000, 200000, 500000, 1000000}},
        {10, 100, 32, {10, 20, 50, 100}},
        {10, 50, 32, {10, 20, 50}},
        {10, 49, 32, {10, 20}},
        {1, 1, 32, {1}},
        {1, 10, 32, {1, 2, 5, 10}},
        {1000, 1000000, 4, {1000, 2000, 5000, 10000}},
        {100, 10, 32, {}},
    };
    for (const auto &c : cases) {
        long lengths[40];
        int n = BenchLengths(c.lo, c.hi, lengths, c.room);
        EXPECT_EQ(std::vector<long>(lengths, lengths + n), c.lengths) << c.lo << " to " << c.hi;
    }
}

// Each workload on a text of `length` characters, the cursor halfway: the calls of each kind it
// made, where it left the cursor and the text's length. No step or deletion may run into an end.
TEST(BufbenchTest, WorkloadsMakeTheCallsAsked) {
    using Workload = void (*)(bufferADT, long, long);
    const struct {
        const char *name;
        Workload run;
        long length, calls;
        std::vector<long> made;  // forward, backward, start, end, insert, delete, display
        long cursor, after;
    } cases[] = {
        {"forward, none", BenchStepForward, 10, 0, {0, 0, 0, 0, 0, 0, 0}, 5, 10},
        {"forward, one", BenchStepForward, 10, 1, {1, 0, 1, 0, 0, 0, 0}, 1, 10},
        {"forward, one pass", BenchStepForward, 10, 10, {10, 0, 1, 0, 0, 0, 0}, 10, 10},
        {"forward, into a second pass", BenchStepForward, 10, 11, {11, 0, 2, 0, 0, 0, 0}, 1, 10},
        {"forward, passes", BenchStepForward, 10, 35, {35, 0, 4, 0, 0, 0, 0}, 5, 10},
        {"forward, one character", BenchStepForward, 1, 3, {3, 0, 3, 0, 0, 0, 0}, 1, 1},
        {"backward, none", BenchStepBackward, 10, 0, {0, 0, 0, 0, 0, 0, 0}, 5, 10},
        {"backward, one pass", BenchStepBackward, 10, 10, {0, 10, 0, 1, 0, 0, 0}, 0, 10},
        {"backward, into a second pass", BenchStepBackward, 10, 11, {0, 11, 0, 2, 0, 0, 0}, 9, 10},
        {"backward, passes", BenchStepBackward, 10, 35, {0, 35, 0, 4, 0, 0, 0}, 5, 10},
        {"backward, one character", BenchStepBackward, 1, 3, {0, 3, 0, 3, 0, 0, 0}, 0, 1},
        {"jumps, none", BenchJumps, 10, 0, {0, 0, 0, 0, 0, 0, 0}, 5, 10},
        {"jumps, one", BenchJumps, 10, 1, {0, 0, 1, 0, 0, 0, 0}, 0, 10},
        {"jumps, a pair", BenchJumps, 10, 2, {0, 0, 1, 1, 0, 0, 0}, 10, 10},
        {"jumps, odd", BenchJumps, 10, 5, {0, 0, 3, 2, 0, 0, 0}, 0, 10},
        {"replace, one", BenchReplace, 10, 1, {0, 0, 1, 0, 0, 1, 0}, 0, 9},
        {"replace, a pair", BenchReplace, 10, 2, {0, 0, 1, 0, 1, 1, 0}, 1, 10},
        {"replace, one pass", BenchReplace, 10, 20, {0, 0, 1, 0, 10, 10, 0}, 10, 10},
        {"replace, odd past a pass", BenchReplace, 10, 21, {0, 0, 2, 0, 10, 11, 0}, 0, 9},
        {"replace, passes", BenchReplace, 10, 45, {0, 0, 3, 0, 22, 23, 0}, 2, 9},
        {"type at the end", BenchTypeAtEnd, 10, 3, {0, 0, 0, 1, 3, 0, 0}, 13, 13},
        {"type at the end, none", BenchTypeAtEnd, 10, 0, {0, 0, 0, 1, 0, 0, 0}, 10, 10},
        {"type in the middle", BenchTypeInMiddle, 10, 3, {0, 0, 0, 0, 3, 0, 0}, 8, 13},
        {"display", BenchDisplay, 10, 3, {0, 0, 0, 0, 0, 0, 3}, 5, 10},
    };
    for (const auto &c : cases) {
        bufferCDT buffer{c.length, c.length / 2};
        Reset();
        c.run(&buffer, c.length, c.calls);
        EXPECT_EQ(std::vector<long>(gCalls + kForward, gCalls + kCalls), c.made) << c.name;
        EXPECT_EQ(buffer.cursor, c.cursor) << c.name;
        EXPECT_EQ(buffer.length, c.after) << c.name;
        EXPECT_EQ(gIntoEnds, 0) << c.name;
    }
}

TEST(BufbenchTest, FilledPutsTheCursorAtTheEndOrHalfway) {
    const struct {
        long length;
        bool halfway;
        long cursor;
    } cases[] = {
        {0, false, 0}, {0, true, 0},  {1, false, 1},     {1, true, 0},        {2, true, 1},
        {7, true, 3},  {7, false, 7}, {1000, true, 500}, {1000, false, 1000},
    };
    for (const auto &c : cases) {
        Reset();
        bufferADT buffer = BenchFilled(c.length, c.halfway);
        EXPECT_EQ(buffer->length, c.length) << c.length;
        EXPECT_EQ(buffer->cursor, c.cursor) << c.length << (c.halfway ? " halfway" : "");
        EXPECT_EQ(gCalls[kNew], 1);
        EXPECT_EQ(gIntoEnds, 0);
        FreeBuffer(buffer);
    }
}

// The timing loop on the virtual clock: the figure, and the calls of the operation it made.
TEST(BufbenchTest, TimingRunsBatchesUpToTheTextOrTheMinimumTime) {
    const struct {
        const char *name;
        benchOpT op;
        long length;
        int capacity;
        double nsPerCall;
        double ns;          // per call
        Call call;          // the operation's own
        long calls, jumps;  // made of it, and jumps to the start or end, set-up included
    } cases[] = {
        // The filling itself: a new buffer, a jump to the end, the typing.
        {"type at the end", BenchOpTypeAtEnd, 1000, 0, 1, 1002.0 / 1000, kInsert, 1000, 1},
        // The text walked once, in ten batches of 1, 2 ... 256 and the 489 left, each from the
        // start, where the cursor is put first.
        {"forward over the text", BenchOpStepForward, 1000, 0, 1, 1010.0 / 1000, kForward, 1000,
         1 + 1 + 10},
        {"backward over the text", BenchOpStepBackward, 1000, 0, 1, 1010.0 / 1000, kBackward, 1000,
         1 + 10},
        // 2 ms reached after the batch of 128: 8 batches, 255 steps and 8 jumps.
        {"forward to the minimum time", BenchOpStepForward, 1000, 0, 10000,
         (255 + 8) * 10000.0 / 255, kForward, 255, 1 + 1 + 8},
        // Two million calls, a start first in each batch.
        {"jumps, two million", BenchOpJumps, 10, 0, 0.5, 0.5, kStart, 1000001, 2000000 + 1},
        // 2 ms reached after the batch of 524,288.
        {"jumps to the minimum time", BenchOpJumps, 10, 0, 3, 3, kStart, 524288, 1048575 + 1},
        // Typing up to the capacity: the cursor walked halfway first.
        {"type in the middle, to the capacity", BenchOpTypeInMiddle, 50, 100, 1, 1, kInsert,
         50 + 50, 2},
        {"type in the middle, no capacity", BenchOpTypeInMiddle, 20, 0, 1, 1, kInsert, 20 + 20, 2},
        {"type in the middle, no room", BenchOpTypeInMiddle, 100, 100, 1, -1, kInsert, 0, 0},
    };
    for (const auto &c : cases) {
        Reset(c.nsPerCall);
        EXPECT_DOUBLE_EQ(BenchTimeOperation(c.op, c.length, c.capacity, VirtualClock), c.ns)
            << c.name;
        EXPECT_EQ(gCalls[c.call], c.calls) << c.name;
        EXPECT_EQ(gCalls[kStart] + gCalls[kEnd], c.jumps) << c.name;
        EXPECT_EQ(gLive, 0) << c.name;
        EXPECT_EQ(gIntoEnds, 0) << c.name;
    }
}

TEST(BufbenchTest, FitPicksTheClassOfAnExactSeries) {
    const std::vector<long> shortTexts = {10, 20, 50, 100},
                            longTexts = {1000,  2000,   5000,   10000,  20000,
                                         50000, 100000, 200000, 500000, 1000000};
    const struct {
        const char *fits;
        double (*f)(double);
    } classes[] = {
        {"O(1)", [](double) { return 3.0; }},
        {"O(log n)", [](double n) { return 2 * std::log(n); }},
        {"O(n)", [](double n) { return 0.5 * n; }},
        {"O(n log n)", [](double n) { return 0.01 * n * std::log(n); }},
        {"O(n^2)", [](double n) { return 1e-6 * n * n; }},
    };
    for (const auto &lengths : {shortTexts, longTexts})
        for (const auto &c : classes) {
            std::vector<double> times;
            for (long n : lengths)
                times.push_back(c.f(static_cast<double>(n)));
            EXPECT_STREQ(
                BenchFitClass(lengths.data(), times.data(), static_cast<int>(lengths.size())),
                c.fits)
                << lengths.size() << " lengths";
        }
}

// Figures not above zero are no figures: a row with fewer than two gets "-".
TEST(BufbenchTest, FitLeavesOutMissingFigures) {
    const long lengths[] = {10, 20, 50, 100};
    const struct {
        std::vector<double> times;
        const char *fits;
    } cases[] = {
        {{-1, -1, -1, -1}, "-"},     {{5, -1, -1, -1}, "-"},     {{0, 0, 0, 7}, "-"},
        {{-1, 20, 50, 100}, "O(n)"}, {{1000, 2, -1, 2}, "O(1)"}, {{10, 20, 0, -1}, "O(n)"},
    };
    for (const auto &c : cases)
        EXPECT_STREQ(BenchFitClass(lengths, c.times.data(), 4), c.fits);
}

// The whole table on the virtual clock: its layout, the "-" where there is no room, and a fit for
// each row; with calls that take no time, figures of 0 and no fit.
TEST(BufbenchTest, TableLayout) {
    const struct {
        int capacity;
        double nsPerCall;
        const char *table;
    } cases[] = {
        {100, 1,
         "gridrow: nanoseconds per operation at each text length\n"
         "                               10       20       50      100  fits\n"
         "  type at the end             1.2      1.1     1.04     1.02  O(1)\n"
         "  type in the middle            1        1        1        -  O(1)\n"
         "  step forward                1.4     1.25     1.12     1.07  O(1)\n"
         "  step backward               1.4     1.25     1.12     1.07  O(1)\n"
         "  jump to start and end         1        1        1        1  O(1)\n"},
        {50, 0,
         "gridrow: nanoseconds per operation at each text length\n"
         "                               10       20       50  fits\n"
         "  type at the end               0        0        0  -\n"
         "  type in the middle            0        0        -  -\n"
         "  step forward                  0        0        0  -\n"
         "  step backward                 0        0        0  -\n"
         "  jump to start and end         0        0        0  -\n"},
    };
    for (const auto &c : cases) {
        Reset(c.nsPerCall);
        std::string table =
            wb::CaptureStdout([&] { BenchTable(c.capacity, "gridrow", VirtualClock, stdout); });
        EXPECT_EQ(table, c.table);
        EXPECT_EQ(gLive, 0);
    }
}

TEST(BufbenchTest, TableWithoutACapacityRunsOneThousandToAMillion) {
    Reset(100);
    std::string table = wb::CaptureStdout([] { BenchTable(0, "module", VirtualClock, stdout); });
    EXPECT_EQ(table.substr(0, table.find('\n', table.find('\n') + 1) + 1),
              "module: nanoseconds per operation at each text length\n"
              "                             1000     2000     5000    10000    20000    50000"
              "   100000   200000   500000  1000000  fits\n");
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 2 + 5);
}

// The real clock is the C library's monotonic one, which std::chrono::steady_clock reads too.
TEST(BufbenchTest, NowReadsTheMonotonicClock) {
    const double steady = std::chrono::duration<double, std::nano>(
                              std::chrono::steady_clock::now().time_since_epoch())
                              .count();
    EXPECT_NEAR(BenchNow(), steady, 1e9);
}

}  // namespace
