// Puts the clock and the pseudo-random generator under the test's control: this test program
// defines time, srand and rand itself, so the dictionary module linked into it calls these.
#pragma once

#include <ctime>
#include <vector>

namespace wb {

extern std::time_t clockSeconds;     // what time() returns
extern int nextDraw;                 // what every rand() returns
extern std::vector<unsigned> seeds;  // every value given to srand, in order

}  // namespace wb
