// A buffer module (BUFFER_MODULE, with its declared BUFFER_CAPACITY), or without one its peer
// std::string with a cursor index, over texts of 1,000 to 1,000,000 characters, and of 10 to 50
// for a module with a capacity (gridrow holds 100) and its peer. The lengths are a 1-2-5 series,
// not powers of two alone, at which a representation that doubles its storage would look
// smoother than it is. The classes to fit are in Sweep's calls: chainrow's backward step walks
// from the head, and the modules' jumps move or walk the whole text.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "buffers/buffer.h"
#include "capture_stdout.h"

namespace {

#ifdef BUFFER_MODULE
constexpr std::string_view kSubject = BUFFER_MODULE;
struct Subject {
    bufferADT buffer = NewBuffer();
    ~Subject() { FreeBuffer(buffer); }
    void Insert(char ch) { InsertCharacter(buffer, ch); }
    void Forward() { MoveCursorForward(buffer); }
    void Backward() { MoveCursorBackward(buffer); }
    void ToStart() { MoveCursorToStart(buffer); }
    void ToEnd() { MoveCursorToEnd(buffer); }
    void Display() { DisplayBuffer(buffer); }
};
#else
constexpr std::string_view kSubject = "string";
struct Subject {
    std::string text, line;
    size_t cursor = 0;
    void Insert(char ch) { text.insert(cursor++, 1, ch); }
    void Forward() { cursor += cursor < text.size(); }
    void Backward() { cursor -= cursor > 0; }
    void ToStart() { cursor = 0; }
    void ToEnd() { cursor = text.size(); }
    void Display() {  // built, then written at once
        line.clear();
        for (char ch : text)
            line += {' ', ch};
        line += '\n' + std::string(2 * cursor, ' ') + "^\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
};
#endif

#ifndef BUFFER_CAPACITY
#define BUFFER_CAPACITY 0
#endif
constexpr bool kModule = kSubject != "string", kWalksBack = kSubject == "chainrow";
constexpr bool kBounded = BUFFER_CAPACITY > 0;
// The short texts' room: a text shorter than this is typed up to it in the middle.
constexpr long kShortRoom = kBounded ? BUFFER_CAPACITY : 100;

// A text of the benchmark's length, the cursor at its end or halfway.
Subject *Filled(benchmark::State &state, bool halfway = false) {
    Subject *buffer = new Subject;
    for (long i = 0; i < state.range(0); i++)
        buffer->Insert(static_cast<char>('a' + i % 26));
    for (long i = halfway ? (buffer->ToStart(), state.range(0) / 2) : 0; i > 0; i--)
        buffer->Forward();
    state.SetComplexityN(state.range(0));
    return buffer;
}

void TypeAtEnd(benchmark::State &state) {
    for (auto _ : state)
        delete Filled(state);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The text is built outside the timed part; Sweep gives the run a short timed minimum.
void TypeInMiddle(benchmark::State &state) {
    const long typed = state.range(0) < kShortRoom ? kShortRoom - state.range(0) : 10000;
    for (auto _ : state) {
        state.PauseTiming();
        Subject *buffer = Filled(state, true);
        state.ResumeTiming();
        for (long i = 0; i < typed; i++)
            buffer->Insert('x');
        benchmark::ClobberMemory();
        state.PauseTiming();
        delete buffer;
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * typed);
}

// A million single steps (a hundred where each walks the text) in passes over the text, each from
// the end the steps lead away from: the jump costs at most what the pass does.
template <bool Forward>
void Steps(benchmark::State &state) {
    const long length = state.range(0), steps = !Forward && kWalksBack ? 100 : 1000000;
    Subject *buffer = Filled(state);
    for (auto _ : state) {
        for (long left = steps; left > 0; left -= length) {
            Forward ? buffer->ToStart() : buffer->ToEnd();
            for (long i = std::min(left, length); i > 0; i--)
                Forward ? buffer->Forward() : buffer->Backward();
        }
        benchmark::ClobberMemory();
    }
    delete buffer;
    state.SetItemsProcessed(state.iterations() * steps);
}

void Jumps(benchmark::State &state) {
    Subject *buffer = Filled(state);
    for (auto _ : state) {
        buffer->ToStart();
        buffer->ToEnd();
        benchmark::ClobberMemory();
    }
    delete buffer;
    state.SetItemsProcessed(state.iterations() * 2);
}

void Display(benchmark::State &state) {
    Subject *buffer = Filled(state, true);
    wb::WithStdout(std::fopen("/dev/null", "w"), [&] {
        for (auto _ : state)
            buffer->Display();
    });
    delete buffer;
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
        if (run == Display)
            family->Arg(longTexts ? 10000 : kShortRoom);
        else
            for (long decade = longTexts ? 1000 : 10; decade <= (longTexts ? 1000000 : 10);
                 decade *= 10)
                for (long step : {1, 2, 5})
                    if (decade * step <= (longTexts ? 1000000 : 50)) family->Arg(decade * step);
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
