#include "fixed_chance.h"

#include <cstdlib>

namespace wb {

std::time_t clockSeconds = 0;
int nextDraw = 0;
std::vector<unsigned> seeds;

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
