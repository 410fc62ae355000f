// payroll's answer reader on any bytes, asked for every kind of answer in turn: it never holds a
// text longer than its room or with a line end in it, and it reaches the end of the input.
#include <cstring>

#include "records/answers.h"
#include "streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    wb::InputFrom input(data, size);
    // Every answer takes at least one byte until the input is spent, so this many suffice.
    const size_t asks = 4 * (size + 1);
    size_t quiet = 0;  // answers in a row that found nothing
    for (size_t ask = 0; ask < asks && quiet < 4; ask++) {
        char text[8];
        bool found = true;
        switch (ask % 4) {
            case 0:
                ReadTextAnswer(text, sizeof text);
                if (strlen(text) >= sizeof text || strchr(text, '\n') != nullptr) abort();
                found = text[0] != '\0';
                break;
            case 1:
                found = ReadCountAnswer() != 0;
                break;
            case 2:
                found = ReadRealAnswer() != 0.0;
                break;
            default:
                found = ReadIntAnswer() != 0;
        }
        quiet = found || !feof(stdin) ? 0 : quiet + 1;
    }
    if (quiet < 4) abort();
    FreeAnswers();
    return 0;
}
