/*
 * buffer_ops: the time of each buffer operation, for the comparison of the WebAssembly build with
 * the native one (web/bench/ratio.mjs runs both builds in one run). Plain C on the C library
 * alone, so that the same source builds for both; linked with one buffer module and the shared
 * workloads of check/bufbench.h.
 *
 * Prints to standard error one line per operation, "<operation> <nanoseconds per call>", the
 * best of five rounds; the displays go to standard output, which the caller discards. The text
 * is 1,000 characters, or 10 fewer than the module's capacity where it has one.
 */
#include <stdio.h>

#include "check/bufbench.h"

enum { Rounds = 5, Calls = 1000000 };

static const long textLength = BUFFER_CAPACITY > 0 ? BUFFER_CAPACITY - 10 : 1000;

/* chainrow's backward step walks from the head, and jumps and displays cross the whole text:
 * those make fewer calls. */
static const struct {
    const char *name;
    void (*run)(bufferADT, long, long);
    long calls;
} operations[] = {
    {"delete+insert", BenchReplace, Calls},       {"forward", BenchStepForward, Calls},
    {"backward", BenchStepBackward, Calls / 100}, {"jumps", BenchJumps, Calls / 100},
    {"display", BenchDisplay, Calls / 1000},
};

int main(void) {
    /* The same buffer for the displays in both builds, whose C libraries differ in theirs. */
    static char displayBuffer[1 << 16];
    setvbuf(stdout, displayBuffer, _IOFBF, sizeof displayBuffer);
    for (size_t k = 0; k < sizeof operations / sizeof operations[0]; k++) {
        double best = 0;
        for (int round = 0; round < Rounds; round++) {
            bufferADT buffer = BenchFilled(textLength, false);
            double start = BenchNow();
            operations[k].run(buffer, textLength, operations[k].calls);
            double elapsed = BenchNow() - start;
            FreeBuffer(buffer);
            if (round == 0 || elapsed < best) best = elapsed;
        }
        fprintf(stderr, "%s %.1f\n", operations[k].name, best / (double)operations[k].calls);
    }
    return 0;
}
