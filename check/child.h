/*
 * child.h: the side of a case that runs in its own process (check/runner.h), and the frames it
 * sends the runner: after each line, what the client printed for it.
 *
 * The checker's program links its own GetBlock, FreeBlock and Error (child.cpp) in place of
 * genlib's, so that an Error is seen with its text and a module that runs out of memory is
 * told from one that ends by itself.
 */
#ifndef WORKBENCH_CHECK_CHILD_H
#define WORKBENCH_CHECK_CHILD_H

#include <stdint.h>

#include "check/client.h"
#include "check/judge.h"
#include "check/script.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct {
    int32_t kind;
    int32_t index;   /* the line; -1 before the first */
    uint32_t length; /* of the bytes that follow */
} frameT;

typedef struct {
    int frames;      /* the pipe to the runner */
    int out;         /* standard output's scratch file */
    int err;         /* standard error's */
    const char *dir; /* the working directory, a scratch one */
    long megabytes;  /* the memory limit, where no sanitizer keeps its own */
    long cpuSeconds; /* a CPU limit behind the runner's clock */
} childSetupT;

/* Runs the script's lines through the client in this process, sending a frame after each, and
 * ends the process: through exit after the end of input, so that a leak checker looks. */
[[noreturn]] void RunChild(const clientT *client, const scriptT *script, childSetupT setup);

#ifdef __cplusplus
}
#endif

#endif
