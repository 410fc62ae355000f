/*
 * buffer_ops: the time of each buffer operation, for the comparison of the WebAssembly build with
 * the native one (web/bench/ratio.mjs runs both builds in one run). Plain C on the C library
 * alone, so that the same source builds for both; linked with one buffer module.
 *
 * Prints to standard error one line per operation, "<operation> <nanoseconds per call>", the
 * best of five rounds; the displays go to standard output, which the caller discards. The text
 * is 1,000 characters, or 10 fewer than the module's capacity where it has one.
 */
/* clock_gettime is POSIX. */
#define _POSIX_C_SOURCE 200809L

#include <stdio.h>
#include <time.h>

#include "buffers/buffer.h"

enum { Rounds = 5, Calls = 1000000 };

static const long textLength = BUFFER_CAPACITY > 0 ? BUFFER_CAPACITY - 10 : 1000;

static double Now(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)now.tv_sec * 1e9 + (double)now.tv_nsec;
}

/* Each of these makes calls calls of its operation, in passes over the text that each begin
 * where the operation leads away from. */
static void Replace(bufferADT buffer, long calls) {
    /* a deletion and an insertion a character, so that the length stays */
    for (long left = calls; left > 0; left -= 2 * textLength) {
        MoveCursorToStart(buffer);
        for (long i = 0; i < textLength && 2 * i < left; i++) {
            DeleteCharacter(buffer);
            InsertCharacter(buffer, 'x');
        }
    }
}

static void Forward(bufferADT buffer, long calls) {
    for (long left = calls; left > 0; left -= textLength) {
        MoveCursorToStart(buffer);
        for (long i = 0; i < textLength && i < left; i++)
            MoveCursorForward(buffer);
    }
}

static void Backward(bufferADT buffer, long calls) {
    for (long left = calls; left > 0; left -= textLength) {
        MoveCursorToEnd(buffer);
        for (long i = 0; i < textLength && i < left; i++)
            MoveCursorBackward(buffer);
    }
}

static void Jumps(bufferADT buffer, long calls) {
    for (long i = 0; i < calls / 2; i++) {
        MoveCursorToStart(buffer);
        MoveCursorToEnd(buffer);
    }
}

static void Display(bufferADT buffer, long calls) {
    for (long i = 0; i < calls; i++)
        DisplayBuffer(buffer);
}

/* chainrow's backward step walks from the head, and jumps and displays cross the whole text:
 * those make fewer calls. */
static const struct {
    const char *name;
    void (*run)(bufferADT, long);
    long calls;
} operations[] = {
    {"delete+insert", Replace, Calls},   {"forward", Forward, Calls},
    {"backward", Backward, Calls / 100}, {"jumps", Jumps, Calls / 100},
    {"display", Display, Calls / 1000},
};

int main(void) {
    /* The same buffer for the displays in both builds, whose C libraries differ in theirs. */
    static char displayBuffer[1 << 16];
    setvbuf(stdout, displayBuffer, _IOFBF, sizeof displayBuffer);
    for (size_t k = 0; k < sizeof operations / sizeof operations[0]; k++) {
        double best = 0;
        for (int round = 0; round < Rounds; round++) {
            bufferADT buffer = NewBuffer();
            for (long i = 0; i < textLength; i++)
                InsertCharacter(buffer, (char)('a' + i % 26));
            double start = Now();
            operations[k].run(buffer, operations[k].calls);
            double elapsed = Now() - start;
            FreeBuffer(buffer);
            if (round == 0 || elapsed < best) best = elapsed;
        }
        fprintf(stderr, "%s %.1f\n", operations[k].name, best / (double)operations[k].calls);
    }
    return 0;
}
