// The clock and the pseudo-random generator under the test's control: the one file of a test
// program that includes this defines time, srand and rand, which the dictionary module then calls.
#pragma once

#include <ctime>
#include <vector>

namespace wb {

inline std::time_t clockSeconds = 0;  // what time() returns
inline int nextDraw = 0;              // what every rand() returns
inline std::vector<unsigned> seeds;   // every value given to srand, in order

}  // namespace wb

extern "C" std::time_t time(std::time_t *out) noexcept {
    if (out != nullptr) *out = wb::clockSeconds;
    return wb::clockSeconds;
}

extern "C" void srand(unsigned seed) noexcept {
    wb::seeds.push_back(seed);
}

extern "C" int rand(void) noexcept {
    return wb::nextDraw;
}
