// The tree shell's command reader on any input, against strtoll on the same bytes: each command
// is the next non-blank character, its key the number strtoll finds after it, clamped, or left
// alone when there is none; and every read moves on.
#include <cctype>

#include "streams.h"
#include "trees/driver_read.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    wb::InputFrom input(data, size);
    const char *text = input.bytes().c_str();
    long at = 0;
    char command = '\0';
    int key = 0x5eed;
    while (ReadCommand(&command, &key)) {
        while (isspace(static_cast<unsigned char>(text[at])))
            at++;
        int expected = 0x5eed;
        const char *end = nullptr;
        if (command != text[at]) abort();
        if (!wb::ReferenceInt(text + at + 1, &expected, &end)) expected = 0x5eed;
        if (key != expected || ftell(stdin) <= at) abort();
        at = ftell(stdin);
        key = 0x5eed;
    }
    return 0;
}
