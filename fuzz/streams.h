// Standard input pointed at memory, for targets whose units read it, and the reference readings
// of numbers; standard output is captured with the harness (capture_stdout.h).
#pragma once

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "capture_stdout.h"

namespace wb {

// Standard input reads the given bytes, and then ends, while this object lives.
class InputFrom {
   public:
    InputFrom(const uint8_t *data, size_t size)
        : bytes_(reinterpret_cast<const char *>(data), size), saved_(stdin) {
        stdin = fmemopen(bytes_.data(), size, "r");
    }
    ~InputFrom() {
        fclose(stdin);
        stdin = saved_;
    }
    // The bytes, NUL-terminated, for a reference reading of the same input.
    const std::string &bytes() const { return bytes_; }

   private:
    std::string bytes_;
    FILE *saved_;
};

// The value a script byte carries in its low six bits: -31 to 30, and INT_MIN and INT_MAX for the
// two extremes.
inline int Value(uint8_t byte) {
    int value = (byte & 0x3f) - 32;
    return value == -32 ? INT_MIN : value == 31 ? INT_MAX : value;
}

// What a "%d"-style read at text gives, by strtoll: white space, then a number saturated to the
// int range. Returns false when no number starts there; *end is where the number stops.
inline bool ReferenceInt(const char *text, int *value, const char **end) {
    char *stop = nullptr;
    long long number = strtoll(text, &stop, 10);
    *end = stop;
    *value = static_cast<int>(number < INT_MIN ? INT_MIN : number > INT_MAX ? INT_MAX : number);
    return stop != text;
}

}  // namespace wb
