/*
 * genlib.h: memory blocks, the fatal error report and the basic shared types.
 *
 * Every library module takes its memory from GetBlock, returns it with FreeBlock and reports
 * a fatal condition through Error. Neither GetBlock nor Error comes back on failure, so callers
 * never test for it.
 */
#ifndef WORKBENCH_SUPPORT_GENLIB_H
#define WORKBENCH_SUPPORT_GENLIB_H

#include <stddef.h>

#ifndef __cplusplus
#include <stdbool.h>
#endif

#ifdef __cplusplus
#define GENLIB_NORETURN [[noreturn]]
extern "C" {
#else
#define GENLIB_NORETURN _Noreturn
#endif

/* A pointer to a NUL-terminated character sequence. */
typedef char *string;

/*
 * Truth values for the language's own bool, one enumeration as they always were (so that
 * "c ? TRUE : FALSE" stays one type). curses.h and other headers define TRUE and FALSE as macros
 * of the same values; included before this one, theirs stand, and one defined alone gets its
 * partner as a macro too.
 */
#if !defined(TRUE) && !defined(FALSE)
enum { FALSE = 0, TRUE = 1 };
#elif !defined(TRUE)
#define TRUE 1
#elif !defined(FALSE)
#define FALSE 0
#endif

/*
 * Returns a new block of at least nbytes bytes (one byte when nbytes is 0), contents unset.
 * Never returns null: when memory runs out it writes "Out of memory" on standard error and ends
 * the program with exit status 1.
 */
void *GetBlock(size_t nbytes);

/* Releases a block from GetBlock (or a string from the string library). ptr must not be null. */
void FreeBlock(void *ptr);

/* Writes msg and a line end on standard error and ends the program with exit status 1. */
GENLIB_NORETURN void Error(const char *msg);

#ifdef __cplusplus
}
#endif

#endif
