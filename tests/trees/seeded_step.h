// treecost's experiment step seeded at will, for the check of its rows and the plot alike: the one
// file of a program that includes this defines time(), which the step seeds from.
#pragma once

#include <cstdio>
#include <ctime>

#include "capture_stdout.h"
#include "trees/tree.h"

namespace wb {

inline time_t stepSeed = 0;  // what time() returns

// The values of n the plot sweeps.
constexpr int kTreeSizes[] = {5,  10,  15,  20,  25,  30,  35,  40,   45,   50,
                              75, 100, 150, 200, 300, 500, 700, 1000, 1500, 2000};

// One step for n keys seeded with seed: the average visits and log2(n) its row shows; false when
// the row does not read or shows another n.
inline bool SeededStep(int n, time_t seed, double *average, double *log2n) {
    stepSeed = seed;
    sizeOfTree = n;
    int shown = 0;
    std::string row = CaptureStdout([] { generateRandomNumSequence(); });
    return std::sscanf(row.c_str(), "%d %lf %lf", &shown, average, log2n) == 3 && shown == n;
}

}  // namespace wb

extern "C" time_t time(time_t *out) noexcept {
    if (out != nullptr) *out = wb::stepSeed;
    return wb::stepSeed;
}
