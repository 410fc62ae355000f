// The number reads of the pairs dialogue on any input, against strtoll on the same bytes: each
// read takes the number strtoll finds, saturated, and fails, value untouched, where it finds none.
#include "records/pair.h"
#include "streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    wb::InputFrom input(data, size);
    const char *text = input.bytes().c_str();
    for (long at = 0; at < static_cast<long>(size); at = ftell(stdin)) {
        int expected = 0;
        const char *end = nullptr;
        bool number = wb::ReferenceInt(text + at, &expected, &end);
        int32_t value = 0x5eed;
        if (readInt(&value) != number) abort();
        if (number ? value != expected || ftell(stdin) != end - text : value != 0x5eed) abort();
        if (!number && getchar() == EOF) break;  // step over what did not parse
    }
    pair both = {1, 2, 3};
    rewind(stdin);
    readPair(&both);
    return 0;
}
