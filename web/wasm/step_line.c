/* step_line: the input line of a reactor the page steps (web/wasm/step_line.h). */
#include "web/wasm/step_line.h"

#include <stdlib.h>

static char *line;
static size_t room;

char *StepLine(int length) {
    size_t needed = (size_t)(length > 0 ? length : 0) + 1;
    if (needed > room) {
        char *grown = realloc(line, needed);
        if (grown == NULL) abort();
        line = grown;
        room = needed;
    }
    return line;
}

const char *StepLineText(void) {
    return line != NULL ? line : "";
}
