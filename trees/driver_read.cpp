/* The tree shell's command reader: see driver_read.h. */
#include "trees/driver_read.h"

#include <cctype>
#include <cstdio>

#include "support/numread.h"

static int SkipWhiteSpace(void) {
    int ch;
    do
        ch = getchar();
    while (ch != EOF && isspace(ch));
    return ch;
}

/*
 * Reads an optionally signed decimal number after any white space, line ends included, so a
 * line holding only a letter waits for the number on the next line. A number beyond the int
 * range is clamped to its nearest end. When no digit follows, *key is left alone and the
 * character met stays in the input, to be read as the next command.
 */
static void ReadKey(int *key) {
    int ch = SkipWhiteSpace();
    if (ch != EOF) ungetc(ch, stdin);
    ScanInt(stdin, key);
}

bool ReadCommand(char *command, int *key) {
    int ch = SkipWhiteSpace();
    if (ch == EOF) return false;
    *command = static_cast<char>(ch);
    ReadKey(key);
    return true;
}
