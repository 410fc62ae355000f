/*
 * textlib.h: the few string operations the scanner needs.
 *
 * Every string these operations create is one block from GetBlock, so the caller releases it
 * with FreeBlock once it is done with it. Bad input (a null string, a text too long to count in
 * an int) ends the program through Error with a message naming the operation.
 */
#ifndef WORKBENCH_SUPPORT_TEXTLIB_H
#define WORKBENCH_SUPPORT_TEXTLIB_H

#include "support/genlib.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Returns a new copy of s, NUL included; the caller owns it. */
string CopyString(const char *s);

/* Returns the number of characters before the terminating NUL of s. */
int StringLength(const char *s);

/* Returns TRUE when s1 and s2 hold the same characters, FALSE otherwise. */
bool StringEqual(const char *s1, const char *s2);

/*
 * Returns a new string holding the characters of s at positions p1 through p2, both included.
 * p1 below 0 counts as 0 and p2 past the end as the last position; an empty range gives an
 * empty string. p1 must not lie past the terminating NUL: the text before p1 is never read,
 * which keeps a scan that cuts a long text into pieces linear. The caller owns the result.
 */
string SubString(const char *s, int p1, int p2);

#ifdef __cplusplus
}
#endif

#endif
