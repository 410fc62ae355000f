#include "fixed_chance.h"

#include <cstdlib>

namespace chance {

std::time_t clockSeconds = 0;
int nextDraw = 0;
std::vector<unsigned> seeds;

}  // namespace chance

extern "C" std::time_t time(std::time_t *out) noexcept {
    if (out != nullptr) *out = chance::clockSeconds;
    return chance::clockSeconds;
}

extern "C" void srand(unsigned seed) noexcept {
    chance::seeds.push_back(seed);
}

extern "C" int rand(void) noexcept {
    return chance::nextDraw;
}
