/*
 * bufbench: the buffer workloads, their timing and the growth-class fit (check/bufbench.h).
 *
 * The same workloads serve every benchmark of the buffers, so that the checker's table, the
 * Google Benchmark programs and the WebAssembly comparison time the same calls.
 */
/* clock_gettime is POSIX. */
#define _POSIX_C_SOURCE 200809L

#include "check/bufbench.h"

#include <math.h>
#include <time.h>

void BenchTypeAtEnd(bufferADT buffer, long length, long calls) {
    (void)length; /* typing needs no passes */
    MoveCursorToEnd(buffer);
    for (long i = 0; i < calls; i++)
        InsertCharacter(buffer, (char)('a' + i % 26));
}

void BenchTypeInMiddle(bufferADT buffer, long length, long calls) {
    (void)length;
    for (long i = 0; i < calls; i++)
        InsertCharacter(buffer, 'x');
}

void BenchStepForward(bufferADT buffer, long length, long calls) {
    for (long left = calls; left > 0; left -= length) {
        MoveCursorToStart(buffer);
        for (long i = 0; i < length && i < left; i++)
            MoveCursorForward(buffer);
    }
}

void BenchStepBackward(bufferADT buffer, long length, long calls) {
    for (long left = calls; left > 0; left -= length) {
        MoveCursorToEnd(buffer);
        for (long i = 0; i < length && i < left; i++)
            MoveCursorBackward(buffer);
    }
}

void BenchJumps(bufferADT buffer, long length, long calls) {
    (void)length;
    /* in pairs, so that the loop costs no more than the jumps' own calls */
    for (long i = 1; i < calls; i += 2) {
        MoveCursorToStart(buffer);
        MoveCursorToEnd(buffer);
    }
    if (calls % 2 == 1) MoveCursorToStart(buffer);
}

void BenchReplace(bufferADT buffer, long length, long calls) {
    for (long left = calls; left > 0; left -= 2 * length) {
        MoveCursorToStart(buffer);
        for (long i = 0; i < length && 2 * i < left; i++) {
            DeleteCharacter(buffer);
            if (2 * i + 1 < left) InsertCharacter(buffer, 'x');
        }
    }
}

void BenchDisplay(bufferADT buffer, long length, long calls) {
    (void)length;
    for (long i = 0; i < calls; i++)
        DisplayBuffer(buffer);
}

bufferADT BenchFilled(long length, bool halfway) {
    bufferADT buffer = NewBuffer();
    BenchTypeAtEnd(buffer, length, length);
    if (halfway) {
        MoveCursorToStart(buffer);
        for (long i = 0; i < length / 2; i++)
            MoveCursorForward(buffer);
    }
    return buffer;
}

int BenchLengths(long lo, long hi, long *lengths, int room) {
    int n = 0;
    for (long decade = lo; decade <= hi; decade *= 10)
        for (long step = 1; step <= 5; step += step == 1 ? 1 : 3)
            if (decade * step <= hi && n < room) lengths[n++] = decade * step;
    return n;
}

double BenchNow(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec * 1e9 + (double)t.tv_nsec;
}

/* Each figure comes from at least this much work, or from a walk over the whole text. */
static const double minNanoseconds = 2e6;

static void (*const workloads[BenchOpCount])(bufferADT, long, long) = {
    BenchTypeAtEnd, BenchTypeInMiddle, BenchStepForward, BenchStepBackward, BenchJumps};

double BenchTimeOperation(benchOpT op, long length, int capacity, benchClockT clock) {
    if (op == BenchOpTypeAtEnd) {
        double start = clock();
        bufferADT buffer = BenchFilled(length, false);
        double spent = clock() - start;
        FreeBuffer(buffer);
        return spent / (double)length;
    }
    /* Calls before the text runs out, so that no batch starts a second pass; typing in the
     * middle doubles the text at most. */
    long most = length;
    if (op == BenchOpTypeInMiddle && capacity > 0) most = capacity - length;
    if (op == BenchOpJumps) most = 2000000;
    if (most <= 0) return -1;
    bufferADT buffer = BenchFilled(length, op == BenchOpTypeInMiddle);
    /* At the end the forward steps' passes begin from, so that the first batch's jump moves
     * nothing: the jumps move the cursor as far as the batch before, at most what it did. */
    if (op == BenchOpStepForward) MoveCursorToStart(buffer);
    long done = 0;
    double spent = 0;
    /* Doubling batches: the clock is read a few times only, and a slow operation stops early. */
    for (long batch = 1; done < most && spent < minNanoseconds; batch *= 2) {
        if (batch > most - done) batch = most - done;
        double start = clock();
        workloads[op](buffer, length, batch);
        spent += clock() - start;
        done += batch;
    }
    FreeBuffer(buffer);
    return spent / (double)done;
}

/* For each class, the c of t = c f(n) with the least relative squared error, and the class
 * whose error is least. Relative, not absolute as Google Benchmark fits, so that one slow figure
 * at the longest text (a cache edge, a doubling) does not outweigh every shorter one. */
const char *BenchFitClass(const long *lengths, const double *times, int n) {
    static const char *const names[] = {"O(1)", "O(log n)", "O(n)", "O(n log n)", "O(n^2)"};
    const char *best = "-";
    double bestError = 0;
    for (int k = 0; k < 5; k++) {
        double sum = 0, squares = 0; /* of f/t and (f/t)^2 */
        int used = 0;
        for (int i = 0; i < n; i++) {
            if (times[i] <= 0) continue;
            double x = (double)lengths[i];
            double f = k == 0 ? 1 : k == 1 ? log(x) : k == 2 ? x : k == 3 ? x * log(x) : x * x;
            sum += f / times[i];
            squares += f / times[i] * (f / times[i]);
            used++;
        }
        if (used < 2) return best;
        /* c = sum / squares minimises the sum of (1 - c f/t)^2, which is then: */
        double error = (double)used - sum * sum / squares;
        if (k == 0 || error < bestError) best = names[k], bestError = error;
    }
    return best;
}

void BenchTable(int capacity, const char *name, benchClockT clock, FILE *out) {
    static const char *const rows[BenchOpCount] = {"type at the end", "type in the middle",
                                                   "step forward", "step backward",
                                                   "jump to start and end"};
    long lengths[32];
    int n = capacity > 0 ? BenchLengths(10, capacity, lengths, 32)
                         : BenchLengths(1000, 1000000, lengths, 32);
    fprintf(out, "%s: nanoseconds per operation at each text length\n", name);
    fprintf(out, "  %-22s", "");
    for (int i = 0; i < n; i++)
        fprintf(out, " %8ld", lengths[i]);
    fprintf(out, "  fits\n");
    for (int op = 0; op < BenchOpCount; op++) {
        double times[32];
        fprintf(out, "  %-22s", rows[op]);
        for (int i = 0; i < n; i++) {
            times[i] = BenchTimeOperation((benchOpT)op, lengths[i], capacity, clock);
            if (times[i] < 0)
                fprintf(out, " %8s", "-");
            else
                fprintf(out, " %8.3g", times[i]);
            fflush(out);
        }
        fprintf(out, "  %s\n", BenchFitClass(lengths, times, n));
    }
}

void BenchBuffer(int capacity, const char *name, FILE *out) {
    BenchTable(capacity, name, BenchNow, out);
}
