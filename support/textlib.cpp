/* textlib: strings as GetBlock blocks, so that FreeBlock is the one way to release them. */
#include "support/textlib.h"

#include <climits>
#include <cstring>

static void RequireText(const char *s, const char *message) {
    if (s == nullptr) Error(message);
}

/* Up to this length a piece is copied by a plain loop rather than strnlen and memcpy. */
enum { ShortPiece = 16 };

/* A new block holding the n characters at s and a NUL. */
static string NewString(const char *s, size_t n) {
    string copy = static_cast<string>(GetBlock(n + 1));
    memcpy(copy, s, n);
    copy[n] = '\0';
    return copy;
}

/* Lengths are ints throughout the callers, so a longer text must stop here, not wrap. */
static int CountCharacters(const char *s) {
    size_t n = strlen(s);
    if (n > static_cast<size_t>(INT_MAX)) Error("String too long");
    return static_cast<int>(n);
}

string CopyString(const char *s) {
    RequireText(s, "CopyString: null string");
    return NewString(s, strlen(s));
}

int StringLength(const char *s) {
    RequireText(s, "StringLength: null string");
    return CountCharacters(s);
}

bool StringEqual(const char *s1, const char *s2) {
    RequireText(s1, "StringEqual: null string");
    RequireText(s2, "StringEqual: null string");
    return strcmp(s1, s2) == 0;
}

string SubString(const char *s, int p1, int p2) {
    RequireText(s, "SubString: null string");
    if (p1 < 0) p1 = 0;
    if (p1 > p2) return NewString(s, 0);
    /* Only the wanted piece is read, so the cost is the piece's length, not the text's. */
    size_t wanted = static_cast<size_t>(p2) - static_cast<size_t>(p1) + 1;
    const char *piece = s + p1;
    if (wanted > ShortPiece) return NewString(piece, strnlen(piece, wanted));
    /* A short piece, the usual case, is measured and copied in one pass; its block may have a
     * few bytes to spare when the text ends inside the range. */
    string copy = static_cast<string>(GetBlock(wanted + 1));
    size_t n = 0;
    for (; n < wanted && piece[n] != '\0'; n++)
        copy[n] = piece[n];
    copy[n] = '\0';
    return copy;
}
