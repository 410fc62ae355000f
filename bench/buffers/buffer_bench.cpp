// Typing speed of the buffer module this file is linked with: a million characters typed at the
// end of the text, and a million typed into the middle of a text, both ways an editor does it
// (left to right, and at one place with the cursor stepped back after each character).
#include <benchmark/benchmark.h>

#include "buffers/buffer.h"

namespace {

constexpr int kTyped = 1000000;
constexpr int kExisting = 1000;  // text already there when typing into the middle

char Letter(int i) {
    return static_cast<char>('a' + i % 26);
}

void TypeAtEnd(benchmark::State &state) {
    for (auto _ : state) {
        bufferADT buffer = NewBuffer();
        for (int i = 0; i < kTyped; i++)
            InsertCharacter(buffer, Letter(i));
        FreeBuffer(buffer);
    }
    state.SetItemsProcessed(state.iterations() * kTyped);
}

// A buffer holding kExisting characters with the cursor halfway through.
bufferADT HalfwayBuffer() {
    bufferADT buffer = NewBuffer();
    for (int i = 0; i < kExisting; i++)
        InsertCharacter(buffer, Letter(i));
    MoveCursorToStart(buffer);
    for (int i = 0; i < kExisting / 2; i++)
        MoveCursorForward(buffer);
    return buffer;
}

void TypeInMiddle(benchmark::State &state) {
    for (auto _ : state) {
        bufferADT buffer = HalfwayBuffer();
        for (int i = 0; i < kTyped; i++)
            InsertCharacter(buffer, Letter(i));
        FreeBuffer(buffer);
    }
    state.SetItemsProcessed(state.iterations() * kTyped);
}

// Each character lands in front of the one typed before it, so the cursor stays inside the same
// stretch of text: for the block list, the worst case of making room inside a block.
[[maybe_unused]] void TypeInMiddleBackwards(benchmark::State &state) {
    for (auto _ : state) {
        bufferADT buffer = HalfwayBuffer();
        for (int i = 0; i < kTyped; i++) {
            InsertCharacter(buffer, Letter(i));
            MoveCursorBackward(buffer);
        }
        FreeBuffer(buffer);
    }
    state.SetItemsProcessed(state.iterations() * kTyped);
}

BENCHMARK(TypeAtEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(TypeInMiddle)->Unit(benchmark::kMillisecond);
#ifndef BACKWARD_STEP_WALKS
BENCHMARK(TypeInMiddleBackwards)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
