/*
 * bufbench.h: the timed workloads of the editor buffer interface (buffers/buffer.h), for the
 * checker's --bench, the Google Benchmark programs and the WebAssembly comparison alike. Plain C
 * on the C library: the buffer module is the one the program links.
 *
 * Each workload makes exactly calls calls of its operation on a buffer whose text is length
 * characters long (at least 1), in passes over the text where the operation would run into an
 * end: each pass begins with a jump to the end it leads away from, which costs at most what the
 * pass does. The jumps are not counted in calls; a workload that needs no passes ignores length.
 */
#ifndef WORKBENCH_CHECK_BUFBENCH_H
#define WORKBENCH_CHECK_BUFBENCH_H

#include <stdio.h>

#ifndef __cplusplus
#include <stdbool.h>
#endif

#include "buffers/buffer.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Jumps to the end, then types calls characters there: the text grows by calls. */
void BenchTypeAtEnd(bufferADT buffer, long length, long calls);

/* Types calls characters at the cursor, where the caller put it: the text grows by calls. */
void BenchTypeInMiddle(bufferADT buffer, long length, long calls);

/* Steps forward in passes from the start; the text stays. */
void BenchStepForward(bufferADT buffer, long length, long calls);

/* Steps backward in passes from the end; the text stays. */
void BenchStepBackward(bufferADT buffer, long length, long calls);

/* Jumps to the start and to the end in turn, the start first; the text stays. */
void BenchJumps(bufferADT buffer, long length, long calls);

/* Deletes and types a character in turn, in passes from the start: the text keeps its length,
 * one character short when calls is odd. */
void BenchReplace(bufferADT buffer, long length, long calls);

/* Displays the buffer calls times, on standard output; the text stays. */
void BenchDisplay(bufferADT buffer, long length, long calls);

/* A new buffer holding length characters typed at the end (a to z over and over), the cursor
 * at the end or, when halfway, after length / 2 of them. The caller frees it. */
bufferADT BenchFilled(long length, bool halfway);

/* Writes to lengths the 1-2-5 series from lo to hi (1, 2 and 5 times lo, 10 lo, 100 lo ... as
 * far as hi; lo at least 1), at most room of them, and returns how many it wrote. */
int BenchLengths(long lo, long hi, long *lengths, int room);

/* A clock in nanoseconds from any fixed point, never going back. */
typedef double (*benchClockT)(void);

/* The C library's monotonic clock. */
double BenchNow(void);

/* The operations of BenchBuffer's table, in its order. */
typedef enum {
    BenchOpTypeAtEnd,
    BenchOpTypeInMiddle,
    BenchOpStepForward,
    BenchOpStepBackward,
    BenchOpJumps,
    BenchOpCount
} benchOpT;

/*
 * Nanoseconds per call of op at a text of length characters, by clock, on a buffer filled for
 * it: typing at the end times the filling itself; the others run, from where their first pass
 * begins, in batches of 1, 2, 4 ... calls, the clock read around each, until 2 ms have passed or
 * the text is walked once (two million calls for the jumps; typing in the middle doubles the text,
 * or fills it up to the capacity when there is one, capacity > 0). Negative when the capacity
 * leaves no room for op.
 */
double BenchTimeOperation(benchOpT op, long length, int capacity, benchClockT clock);

/* The growth class, "O(1)", "O(log n)", "O(n)", "O(n log n)" or "O(n^2)", of the curve c f(n)
 * closest to times at lengths (n of each) by relative squared error, times not above 0 left
 * out; "-" when fewer than two remain. */
const char *BenchFitClass(const long *lengths, const double *times, int n);

/* BenchBuffer's table by clock. */
void BenchTable(int capacity, const char *name, benchClockT clock, FILE *out);

/*
 * Times each operation of the table at the text lengths 1,000 to 1,000,000 of the 1-2-5 series
 * (10 to the capacity for a module that has one, capacity > 0), and writes to out a table headed
 * by name: the nanoseconds per call at each length, "-" where there is no room, and the class
 * they fit. The figures depend on the machine and its load; compare those of one run.
 */
void BenchBuffer(int capacity, const char *name, FILE *out);

#ifdef __cplusplus
}
#endif

#endif
