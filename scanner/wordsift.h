/*
 * wordsift.h: a scanner that splits one line of text into tokens.
 *
 * A maximal run of letters and digits (A-Z, a-z, 0-9) is one token; every other character,
 * including each byte 0x80-0xFF, is a token of its own. White space (blank, tab, newline,
 * vertical tab, form feed, carriage return) is either returned one character at a time or
 * skipped, as the client chooses. One token can be pushed back. Any number of scanners can
 * exist at once; each is used through its opaque handle only.
 */
#ifndef WORKBENCH_SCANNER_WORDSIFT_H
#define WORKBENCH_SCANNER_WORDSIFT_H

#include "support/genlib.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef enum {
    PreserveSpaces = 0, /* each white-space character is a token (the default) */
    IgnoreSpaces = 1    /* white space is skipped before each token */
} spaceOptionT;

typedef struct scannerCDT *scannerADT;

/* Returns a new scanner without text, set to PreserveSpaces. Never returns null. */
scannerADT NewScanner(void);

/* Releases the scanner's text copy and the scanner; a token waiting in SaveToken is not freed. */
void FreeScanner(scannerADT scanner);

/*
 * Makes the scanner read its own copy of str from the start; forgets a saved token (without
 * freeing it) and keeps the space option. str itself stays the caller's.
 */
void SetScannerString(scannerADT scanner, const char *str);

/*
 * Returns the next token, a new string the caller owns and releases with FreeBlock; once the
 * text is used up, a new empty string on every call. A saved token comes back as the very
 * pointer that was saved. Ends the program through Error("SetScannerString has not been
 * called") when the scanner has no text yet.
 */
string ReadToken(scannerADT scanner);

/*
 * Returns TRUE when a non-empty token is still to come, FALSE otherwise. Under IgnoreSpaces it
 * moves past the white space ahead. Same Error as ReadToken without a text.
 */
bool MoreTokensExist(scannerADT scanner);

/*
 * Pushes token back so that the next ReadToken returns it; the pointer is kept, not copied.
 * Ends the program through Error("Token has already been saved") if one is waiting already,
 * and with the ReadToken Error without a text.
 */
void SaveToken(scannerADT scanner, string token);

/* Stores option unchecked; it applies from the next ReadToken or MoreTokensExist on. */
void SetScannerSpaceOption(scannerADT scanner, spaceOptionT option);

/* Returns the stored space option. */
spaceOptionT GetScannerSpaceOption(scannerADT scanner);

#ifdef __cplusplus
}
#endif

#endif
