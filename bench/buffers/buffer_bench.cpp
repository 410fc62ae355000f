// Each buffer module against std::string with a cursor index, in the same binary: typing at the
// end and at a cursor in the middle, single steps forward and backward, jumps to both ends, and
// DisplayBuffer, over texts of 1 Ki to 1 Mi characters (8 to 64 for gridrow, which holds 100).
// Every swept operation fits the class the module is built for:
//   typing n characters at the end          O(N) per n characters, O(1) each
//   typing at a cursor in the middle        O(1) a character; std::string O(N)
//   a step forward                          O(1)
//   a step backward                         O(1); chainrow O(N), it walks from the head
//   a jump to the start and one to the end  O(1) for std::string; the modules move or walk the
//                                           whole text: pilerow and chunkrow O(N), chainrow O(N)
//                                           for the jump to the end
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "buffers/buffer.h"

#ifndef BUFFER_MODULE
#error "BUFFER_MODULE names the buffer module this file is linked with"
#endif
#ifndef BUFFER_CAPACITY
#define BUFFER_CAPACITY 0  // 0: unbounded
#endif
#ifndef BACKWARD_STEP_WALKS
#define BACKWARD_STEP_WALKS 0
#endif

namespace {

constexpr long kCapacity = BUFFER_CAPACITY;
constexpr long kSteps = 1000000;     // single steps per iteration
constexpr long kWalkingSteps = 100;  // backward steps per iteration where each walks the text
constexpr long kTypedInMiddle = 10000;
constexpr long kDisplayed = kCapacity > 0 ? kCapacity : 10000;

char Letter(long i) {
    return static_cast<char>('a' + i % 26);
}

// The module under test, behind the same small surface as the peer.
struct Module {
    bufferADT buffer = NewBuffer();
    Module() = default;
    Module(const Module &) = delete;
    Module &operator=(const Module &) = delete;
    ~Module() { FreeBuffer(buffer); }
    void Insert(char ch) { InsertCharacter(buffer, ch); }
    void Forward() { MoveCursorForward(buffer); }
    void Backward() { MoveCursorBackward(buffer); }
    void ToStart() { MoveCursorToStart(buffer); }
    void ToEnd() { MoveCursorToEnd(buffer); }
    void Display() { DisplayBuffer(buffer); }
};

// The peer: std::string and a cursor index. Typing at the end is push_back, elsewhere insert;
// display builds each of the two lines in a scratch string and writes it at once.
struct Peer {
    std::string text;
    size_t cursor = 0;
    std::string line;
    void Insert(char ch) {
        if (cursor == text.size())
            text.push_back(ch);
        else
            text.insert(cursor, 1, ch);
        cursor++;
    }
    void Forward() {
        if (cursor < text.size()) cursor++;
    }
    void Backward() {
        if (cursor > 0) cursor--;
    }
    void ToStart() { cursor = 0; }
    void ToEnd() { cursor = text.size(); }
    void Display() {
        line.resize(2 * text.size() + 1);
        for (size_t i = 0; i < text.size(); i++) {
            line[2 * i] = ' ';
            line[2 * i + 1] = text[i];
        }
        line[2 * text.size()] = '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
        line.assign(2 * cursor, ' ');
        line += "^\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
};

template <class B>
void Fill(B &buffer, long length) {
    for (long i = 0; i < length; i++)
        buffer.Insert(Letter(i));
}

template <class B>
void TypeAtEnd(benchmark::State &state) {
    const long length = state.range(0);
    for (auto _ : state) {
        B buffer;
        Fill(buffer, length);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * length);
    state.SetComplexityN(length);
}

// The text is built and the cursor put halfway outside the timed part.
template <class B>
void TypeInMiddle(benchmark::State &state) {
    const long length = state.range(0);
    const long typed = kCapacity > 0 ? kCapacity - length : kTypedInMiddle;
    for (auto _ : state) {
        state.PauseTiming();
        B *buffer = new B;
        Fill(*buffer, length);
        buffer->ToStart();
        for (long i = 0; i < length / 2; i++)
            buffer->Forward();
        state.ResumeTiming();
        for (long i = 0; i < typed; i++)
            buffer->Insert(Letter(i));
        benchmark::ClobberMemory();
        state.PauseTiming();
        delete buffer;
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * typed);
    state.SetComplexityN(length);
}

// A million steps over the text in passes, each pass starting with a jump to the start: the
// jump costs at most what the pass does, so it leaves the cost per step in the same class.
// steps single steps a pass, each pass from the end the steps lead away from.
template <class B, bool Forward>
void Steps(benchmark::State &state, long steps) {
    const long length = state.range(0);
    B buffer;
    Fill(buffer, length);
    for (auto _ : state) {
        for (long left = steps; left > 0; left -= length) {
            Forward ? buffer.ToStart() : buffer.ToEnd();
            for (long i = std::min(left, length); i > 0; i--)
                Forward ? buffer.Forward() : buffer.Backward();
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * steps);
    state.SetComplexityN(length);
}

template <class B>
void StepForward(benchmark::State &state) {
    Steps<B, true>(state, kSteps);
}

template <class B>
void StepBackward(benchmark::State &state, long steps) {
    Steps<B, false>(state, steps);
}

template <class B>
void Jumps(benchmark::State &state) {
    const long length = state.range(0);
    B buffer;
    Fill(buffer, length);
    for (auto _ : state) {
        buffer.ToStart();
        buffer.ToEnd();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 2);
    state.SetComplexityN(length);
}

// Standard output goes to the null device while the display runs, and comes back for the report.
template <class B>
void Display(benchmark::State &state) {
    B buffer;
    Fill(buffer, kDisplayed);
    buffer.ToStart();
    for (long i = 0; i < kDisplayed / 2; i++)
        buffer.Forward();
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    for (auto _ : state)
        buffer.Display();
    std::fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(null);
    close(saved);
    state.SetItemsProcessed(state.iterations() * kDisplayed);
}

// Lengths swept: 1 Ki to 1 Mi by fours, or what gridrow holds.
void Lengths(benchmark::internal::Benchmark *family) {
    if (kCapacity > 0) {
        for (long length = 8; length <= 64; length *= 2)
            family->Arg(length);
    } else {
        family->RangeMultiplier(4)->Range(1 << 10, 1 << 20);
    }
}

std::string Named(const char *operation, const char *subject) {
    return std::string(operation) + "/" + subject;
}

// Registers one operation for the module, then for the peer, with the classes each should fit.
// gridrow's handful of short lengths is too few for a fit.
template <class ModuleFn, class PeerFn>
void Pair(const char *operation, ModuleFn module, PeerFn peer, benchmark::BigO moduleClass,
          benchmark::BigO peerClass, benchmark::TimeUnit unit = benchmark::kNanosecond) {
    auto *ours = benchmark::RegisterBenchmark(Named(operation, BUFFER_MODULE).c_str(), module);
    auto *theirs = benchmark::RegisterBenchmark(Named(operation, "string").c_str(), peer);
    for (auto *family : {ours, theirs})
        family->Apply(Lengths)->Unit(unit);
    if (std::string(operation) == "TypeInMiddle") {
        // Building the text outside the timed part costs far more than the typing: a short
        // timed minimum keeps the run short, and repetitions give the spread.
        ours->MinTime(0.01);
        theirs->MinTime(0.01);
    }
    if (kCapacity == 0) {
        ours->Complexity(moduleClass);
        theirs->Complexity(peerClass);
    }
}

constexpr bool kJumpsWalk = kCapacity == 0;  // every unbounded module walks or moves the text

const int kRegistered = [] {
    using benchmark::State;
    Pair("TypeAtEnd", TypeAtEnd<Module>, TypeAtEnd<Peer>, benchmark::oN, benchmark::oN,
         benchmark::kMicrosecond);
    Pair("TypeInMiddle", TypeInMiddle<Module>, TypeInMiddle<Peer>, benchmark::o1, benchmark::oN,
         benchmark::kMicrosecond);
    Pair("StepForward", StepForward<Module>, StepForward<Peer>, benchmark::o1, benchmark::o1,
         benchmark::kMicrosecond);
    const long backSteps = BACKWARD_STEP_WALKS ? kWalkingSteps : kSteps;
    Pair(
        "StepBackward", [=](State &state) { StepBackward<Module>(state, backSteps); },
        [=](State &state) { StepBackward<Peer>(state, kSteps); },
        BACKWARD_STEP_WALKS ? benchmark::oN : benchmark::o1, benchmark::o1,
        benchmark::kMicrosecond);
    Pair("Jumps", Jumps<Module>, Jumps<Peer>, kJumpsWalk ? benchmark::oN : benchmark::o1,
         benchmark::o1);
    benchmark::RegisterBenchmark(Named("Display", BUFFER_MODULE).c_str(), Display<Module>)
        ->Arg(kDisplayed)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(Named("Display", "string").c_str(), Display<Peer>)
        ->Arg(kDisplayed)
        ->Unit(benchmark::kMicrosecond);
    return 0;
}();

}  // namespace
