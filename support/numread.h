/*
 * numread.h: reading decimal integers and words, for the programs that read numbers.
 *
 * A number is an optional sign ('+' or '-') followed by one or more decimal digits, of any
 * length: leading zeros are allowed and do not count against the range. What a number beyond
 * the int range gives is the caller's choice: RefuseOutOfRange treats it as no number,
 * ClampOutOfRange takes the nearest int limit.
 */
#ifndef WORKBENCH_SUPPORT_NUMREAD_H
#define WORKBENCH_SUPPORT_NUMREAD_H

#include <stddef.h>
#include <stdio.h>

#ifndef __cplusplus
#include <stdbool.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef enum { RefuseOutOfRange, ClampOutOfRange } outOfRangeT;

/*
 * Converts text[0..length), all of it, as one number. Returns true and stores the value in
 * *value; returns false, *value untouched, when the bytes are not exactly a number (blanks, a
 * NUL byte or any other character included) or, under RefuseOutOfRange, lie beyond the range.
 */
bool ParseInt(const char *text, size_t length, outOfRangeT range, int *value);

/*
 * Reads the number that text[0..length) begins with, the range clamped. Returns how many bytes
 * it spans, with the value in *value, or 0, *value untouched, when the text begins with none.
 */
size_t ParseIntPrefix(const char *text, size_t length, int *value);

/*
 * Reads a number from in at its current position, with no white space skipped, as the formatted
 * reads do: an optional sign, then digits up to the first other character, which stays unread.
 * Returns false, *value untouched, when no digit follows (a sign read stays read); a number
 * beyond the range gives the nearest limit.
 */
bool ScanInt(FILE *in, int *value);

/*
 * A word read by ReadWord: text holds length bytes (a word may hold NUL bytes) and a NUL after
 * them. Start from {0}; the buffer grows as needed and belongs to the caller, who frees text.
 */
typedef struct {
    char *text;
    size_t length;
    size_t capacity;
} wordT;

/*
 * Skips white space, then reads the next run of other characters, of any length, into *word.
 * Returns 1 with a word, 0 at the end of input or on a read error (ferror tells which), and -1
 * when memory ran out; the word then holds what was read so far.
 */
int ReadWord(FILE *in, wordT *word);

/* Writes the word's bytes to out, or its first limit bytes and "..." if longer: each as it is,
 * but a NUL byte as the two characters \0. */
void WriteWord(FILE *out, const wordT *word, size_t limit);

#ifdef __cplusplus
}
#endif

#endif
