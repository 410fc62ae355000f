/* buffer_client: bufdemo's command language (check/buffer_client.h). */
#include "check/buffer_client.h"

#include <stdio.h>
#include <stdlib.h>

bool BufferCommand(bufferADT *buffer, const char *line) {
    switch (line[0]) {
        case 'I':
            for (const char *p = line + 1; *p != '\0'; p++)
                InsertCharacter(*buffer, *p);
            return true;
        case 'F':
            MoveCursorForward(*buffer);
            return true;
        case 'B':
            MoveCursorBackward(*buffer);
            return true;
        case 'J':
            MoveCursorToStart(*buffer);
            return true;
        case 'E':
            MoveCursorToEnd(*buffer);
            return true;
        case 'D':
            DeleteCharacter(*buffer);
            return true;
        case 'N':
            FreeBuffer(*buffer);
            *buffer = NewBuffer();
            return true;
        default:
            return false;
    }
}

bool BufferLine(bufferADT *buffer, const char *line) {
    if (line[0] == '\0') return false;
    printf("> %s\n", line);
    if (!BufferCommand(buffer, line)) {
        printf("Unknown command '%c'\n", line[0]);
        return false;
    }
    DisplayBuffer(*buffer);
    return true;
}

/* The checker's view: the handle is the whole state. */
static void *Start(void) {
    bufferADT *buffer = malloc(sizeof *buffer);
    if (buffer == NULL) abort();
    *buffer = NewBuffer();
    return buffer;
}

static void Line(void *state, const char *line) {
    BufferLine(state, line);
}

static void Finish(void *state) {
    bufferADT *buffer = state;
    FreeBuffer(*buffer);
    free(buffer);
}

const clientT BufferClient = {"bufdemo", Start, Line, Finish};
