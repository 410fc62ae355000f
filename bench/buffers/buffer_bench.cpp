// A buffer module (BUFFER_MODULE, with its declared BUFFER_CAPACITY), or without one its peer
// std::string with a cursor index, over texts of 1,000 to 1,000,000 characters, and of 10 to 50
// for a module with a capacity (gridrow holds 100) and its peer. The lengths are a 1-2-5 series,
// not powers of two alone, at which a representation that doubles its storage would look
// smoother than it is. The classes to fit are in Sweep's calls: chainrow's backward step walks
// from the head, and the modules' jumps move or walk the whole text.
//
// Every subject runs the workloads of check/bufbench.h, the ones the checker's --bench and the
// WebAssembly comparison time: the peer implements buffer.h here, so that it is called exactly as
// the modules are.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "buffers/buffer.h"
#include "capture_stdout.h"
#include "check/bufbench.h"

#ifdef BUFFER_MODULE
namespace {
constexpr std::string_view kSubject = BUFFER_MODULE;
}  // namespace
#else
namespace {
constexpr std::string_view kSubject = "string";
}  // namespace

struct bufferCDT {
    std::string text, line;
    size_t cursor = 0;
};

extern "C" {
bufferADT NewBuffer() {
    return new bufferCDT;
}
void FreeBuffer(bufferADT buffer) {
    delete buffer;
}
void MoveCursorForward(bufferADT buffer) {
    buffer->cursor += buffer->cursor < buffer->text.size();
}
void MoveCursorBackward(bufferADT buffer) {
    buffer->cursor -= buffer->cursor > 0;
}
void MoveCursorToStart(bufferADT buffer) {
    buffer->cursor = 0;
}
void MoveCursorToEnd(bufferADT buffer) {
    buffer->cursor = buffer->text.size();
}
void InsertCharacter(bufferADT buffer, char ch) {
    buffer->text.insert(buffer->cursor++, 1, ch);
}
void DeleteCharacter(bufferADT buffer) {
    if (buffer->cursor < buffer->text.size()) buffer->text.erase(buffer->cursor, 1);
}
void DisplayBuffer(bufferADT buffer) {  // built, then written at once
    std::string &line = buffer->line;
    line.clear();
    for (char ch : buffer->text)
        line += {' ', ch};
    line += '\n' + std::string(2 * buffer->cursor, ' ') + "^\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
}
}
#endif

namespace {

#ifndef BUFFER_CAPACITY
#define BUFFER_CAPACITY 0
#endif
constexpr bool kModule = kSubject != "string", kWalksBack = kSubject == "chainrow";
constexpr bool kBounded = BUFFER_CAPACITY > 0;
// The short texts' room: a text shorter than this is typed up to it in the middle.
constexpr long kShortRoom = kBounded ? BUFFER_CAPACITY : 100;

// A text of the benchmark's length, the cursor at its end or halfway.
bufferADT Filled(benchmark::State &state, bool halfway = false) {
    state.SetComplexityN(state.range(0));
    return BenchFilled(state.range(0), halfway);
}

void TypeAtEnd(benchmark::State &state) {
    for (auto _ : state)
        FreeBuffer(Filled(state));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The text is built outside the timed part; Sweep gives the run a short timed minimum.
void TypeInMiddle(benchmark::State &state) {
    const long typed = state.range(0) < kShortRoom ? kShortRoom - state.range(0) : 10000;
    for (auto _ : state) {
        state.PauseTiming();
        bufferADT buffer = Filled(state, true);
        state.ResumeTiming();
        BenchTypeInMiddle(buffer, state.range(0), typed);
        benchmark::ClobberMemory();
        state.PauseTiming();
        FreeBuffer(buffer);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * typed);
}

// A million single steps (a hundred where each walks the text) in passes over the text.
template <bool Forward>
void Steps(benchmark::State &state) {
    const long length = state.range(0), steps = !Forward && kWalksBack ? 100 : 1000000;
    bufferADT buffer = Filled(state);
    for (auto _ : state) {
        (Forward ? BenchStepForward : BenchStepBackward)(buffer, length, steps);
        benchmark::ClobberMemory();
    }
    FreeBuffer(buffer);
    state.SetItemsProcessed(state.iterations() * steps);
}

void Jumps(benchmark::State &state) {
    bufferADT buffer = Filled(state);
    for (auto _ : state) {
        BenchJumps(buffer, state.range(0), 2);
        benchmark::ClobberMemory();
    }
    FreeBuffer(buffer);
    state.SetItemsProcessed(state.iterations() * 2);
}

void Display(benchmark::State &state) {
    bufferADT buffer = Filled(state, true);
    wb::WithStdout(std::fopen("/dev/null", "w"), [&] {
        for (auto _ : state)
            BenchDisplay(buffer, state.range(0), 1);
    });
    FreeBuffer(buffer);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// <operation>/<subject> over the short texts and the long ones, with the class to fit.
void Sweep(const char *operation, void (*run)(benchmark::State &), benchmark::BigO moduleClass,
           benchmark::BigO peerClass, benchmark::TimeUnit unit = benchmark::kMicrosecond) {
    const std::string name = std::string(operation) + "/" + std::string(kSubject);
    for (bool longTexts : {false, true}) {
        if (longTexts ? kBounded : kModule && !kBounded) continue;
        auto *family = benchmark::RegisterBenchmark(name.c_str(), run)->Unit(unit);
        if (run == TypeInMiddle) family->MinTime(0.01);
        if (run == Display) {
            family->Arg(longTexts ? 10000 : kShortRoom);
        } else {
            long lengths[16];
            int n = longTexts ? BenchLengths(1000, 1000000, lengths, 16)
                              : BenchLengths(10, 50, lengths, 16);
            for (int i = 0; i < n; i++)
                family->Arg(lengths[i]);
        }
        if (longTexts && run != Display) family->Complexity(kModule ? moduleClass : peerClass);
    }
}

const int kRegistered = [] {
    using benchmark::oN, benchmark::o1;
    Sweep("TypeAtEnd", TypeAtEnd, oN, oN);
    Sweep("TypeInMiddle", TypeInMiddle, o1, oN);
    Sweep("StepForward", Steps<true>, o1, o1);
    Sweep("StepBackward", Steps<false>, kWalksBack ? oN : o1, o1);
    Sweep("Jumps", Jumps, oN, o1, benchmark::kNanosecond);
    Sweep("Display", Display, o1, o1);
    return 0;
}();

}  // namespace
