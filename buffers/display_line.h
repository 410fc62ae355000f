/*
 * display_line.h: DisplayBuffer's two lines, gathered in a block on the stack and written a
 * block at a time, so that a character costs a store rather than a printf. Shared by the buffer
 * modules only; not installed.
 *
 * The write position is a local pointer that each call takes and returns, so that it stays in a
 * register across the calls a module makes to read its text.
 */
#ifndef WORKBENCH_BUFFERS_DISPLAY_LINE_H
#define WORKBENCH_BUFFERS_DISPLAY_LINE_H

#include <cstdio>
#include <cstring>

enum { DisplayBlockSize = 4096 };

typedef struct {
    char text[DisplayBlockSize];
} displayBlockT;

/* Writes out the block up to at; returns the start of the emptied block. */
static inline char *FlushDisplay(displayBlockT *block, char *at) {
    fwrite(block->text, 1, static_cast<size_t>(at - block->text), stdout);
    return block->text;
}

/* Appends " c" for a character of the text, writing the block out first when it is full. */
static inline char *PutDisplayCharacter(displayBlockT *block, char *at, char ch) {
    if (at > block->text + DisplayBlockSize - 2) at = FlushDisplay(block, at);
    at[0] = ' ';
    at[1] = ch;
    return at + 2;
}

/* Ends the text line with a line end. */
static inline char *EndDisplayText(displayBlockT *block, char *at) {
    if (at == block->text + DisplayBlockSize) at = FlushDisplay(block, at);
    *at = '\n';
    return at + 1;
}

/* Appends two blanks for each of count characters before the cursor. */
static inline char *PutDisplayGaps(displayBlockT *block, char *at, int count) {
    for (long blanks = 2L * count; blanks > 0;) {
        if (at == block->text + DisplayBlockSize) at = FlushDisplay(block, at);
        long room = block->text + DisplayBlockSize - at;
        long n = blanks < room ? blanks : room;
        memset(at, ' ', static_cast<size_t>(n));
        at += n;
        blanks -= n;
    }
    return at;
}

/* Ends the cursor line with "^" and a line end, and writes out the rest. */
static inline void EndDisplay(displayBlockT *block, char *at) {
    if (at > block->text + DisplayBlockSize - 2) at = FlushDisplay(block, at);
    at[0] = '^';
    at[1] = '\n';
    FlushDisplay(block, at + 2);
}

#endif
