/*
 * bufcheck.h: the conformance cases of the editor buffer interface (buffers/buffer.h), for any
 * implementation of it, in C or C++, linked with this library and genlib.
 *
 * Each case is a list of bufdemo commands (I<text>, F, B, J, E, D, one a line), run in a child
 * process of its own against a plain model of the buffer: after every command the module's
 * output (its messages and its DisplayBuffer) must be the model's, byte for byte. A crash, an
 * exit or a sanitizer report in the child fails the case as well. The first failing case is
 * cut down to the fewest commands that still fail and reported as commands that replay it in
 * bufdemo, with the expected and the actual output of the last one.
 *
 * The archive libbufcheck_main holds a main (the checker program's, below), for a program that
 * defines none:
 *   cc -c mybuffer.c && cc mybuffer.o -lbufcheck_main -lbufcheck -lbufbench -lnumread -lgenlib -lm
 */
#ifndef WORKBENCH_BUFFERS_BUFCHECK_H
#define WORKBENCH_BUFFERS_BUFCHECK_H

#include <stdbool.h>
#include <stdio.h>

#include "check/bufbench.h"

#ifdef __cplusplus
extern "C" {
#endif

/* What a caller can tell apart between implementations. */
typedef struct {
    int capacity;     /* the characters it holds (one more ends the program), 0 for no limit */
    bool reportsEnds; /* a single step into an end prints "Already at beginning bro!" or
                         "Already at end bro!" and a line end */
} bufferTraitsT;

/*
 * Runs every case against the linked module, writing a line per passing case to out. Returns
 * true when all pass; otherwise writes the first failure to out, as above, and returns false.
 */
bool CheckBuffer(bufferTraitsT traits, FILE *out);

/*
 * The checker program: bufcheck [--capacity N] [--reports-ends] [--bench [--name NAME]] runs
 * CheckBuffer, or BenchBuffer (check/bufbench.h) with --bench, on standard output; status 0 when
 * every case passes, 1 at a failure, 2 for a bad argument.
 */
int BufferCheckMain(int argc, char **argv);

#ifdef __cplusplus
}
#endif

#endif
