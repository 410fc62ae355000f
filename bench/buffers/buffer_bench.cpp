// A buffer module (BUFFER_MODULE), or without one its peer std::string with a cursor index, over
// texts of 1 Ki to 1 Mi characters, and of 8 to 64 for gridrow (it holds 100) and its peer. The
// classes to fit are in Sweep's calls: chainrow's backward step walks from the head, and the
// modules' jumps move or walk the whole text.
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

constexpr bool kModule = kSubject != "string", kWalksBack = kSubject == "chainrow";
constexpr long kGridCapacity = 100;  // a text shorter than this is typed up to it in the middle

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
    const long typed = state.range(0) < kGridCapacity ? kGridCapacity - state.range(0) : 10000;
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
        if (longTexts ? kSubject == "gridrow" : kModule && kSubject != "gridrow") continue;
        auto *family = benchmark::RegisterBenchmark(name.c_str(), run)->Unit(unit);
        if (run == TypeInMiddle) family->MinTime(0.01);
        if (run == Display)
            family->Arg(longTexts ? 10000 : kGridCapacity);
        else if (longTexts)
            family->RangeMultiplier(4)
                ->Range(1 << 10, 1 << 20)
                ->Complexity(kModule ? moduleClass : peerClass);
        else
            family->RangeMultiplier(2)->Range(8, 64);
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
