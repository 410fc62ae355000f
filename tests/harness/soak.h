// How long the random model runs go on. Each run names its base step count once and asks for
// Steps(base): a tenth of it under the sanitizers, which make every step many times slower, and
// base times WORKBENCH_SOAK (a whole number, default 1) for a long soak run, for example
//   WORKBENCH_SOAK=100 ctest --preset default -R Random
#pragma once

#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#define WB_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define WB_SANITIZED 1
#endif
#endif

namespace wb {

inline int Steps(int base) {
    const char *soak = std::getenv("WORKBENCH_SOAK");
    long factor = soak != nullptr ? std::strtol(soak, nullptr, 10) : 1;
    if (factor < 1) factor = 1;
#ifdef WB_SANITIZED
    base = base / 10 > 0 ? base / 10 : 1;
#endif
    return static_cast<int>(base * factor);
}

}  // namespace wb
