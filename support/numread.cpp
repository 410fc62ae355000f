#include "support/numread.h"

#include <cctype>
#include <climits>
#include <cstdlib>

/*
 * The magnitude of a number being read stops growing once it is past every int, so that a
 * number of any length is read without overflow.
 */
struct Number {
    long long magnitude = 0;
    bool negative = false;

    void Add(int digit) {
        if (magnitude <= static_cast<long long>(INT_MAX) + 1) magnitude = magnitude * 10 + digit;
    }
    bool InRange() const {
        return magnitude <= (negative ? -static_cast<long long>(INT_MIN) : INT_MAX);
    }
    int Clamped() const {
        if (!InRange()) return negative ? INT_MIN : INT_MAX;
        return static_cast<int>(negative ? -magnitude : magnitude);
    }
};

static bool IsDigit(int ch) {
    return ch >= '0' && ch <= '9';
}

static bool IsSign(int ch) {
    return ch == '-' || ch == '+';
}

/* Reads the number that text[0..length) begins with into *number; returns the bytes it spans. */
static size_t Parse(const char *text, size_t length, Number *number) {
    size_t i = length > 0 && IsSign(text[0]) ? 1 : 0;
    number->negative = i == 1 && text[0] == '-';
    size_t digits = i;
    for (; digits < length && IsDigit(text[digits]); digits++)
        number->Add(text[digits] - '0');
    return digits > i ? digits : 0;
}

size_t ParseIntPrefix(const char *text, size_t length, int *value) {
    Number number;
    size_t span = Parse(text, length, &number);
    if (span > 0) *value = number.Clamped();
    return span;
}

bool ParseInt(const char *text, size_t length, outOfRangeT range, int *value) {
    Number number;
    if (length == 0 || Parse(text, length, &number) != length) return false;
    if (range == RefuseOutOfRange && !number.InRange()) return false;
    *value = number.Clamped();
    return true;
}

bool ScanInt(FILE *in, int *value) {
    Number number;
    int ch = getc(in);
    if (IsSign(ch)) {
        number.negative = ch == '-';
        ch = getc(in);
    }
    if (!IsDigit(ch)) {
        if (ch != EOF) ungetc(ch, in);
        return false;
    }
    for (; IsDigit(ch); ch = getc(in))
        number.Add(ch - '0');
    if (ch != EOF) ungetc(ch, in);
    *value = number.Clamped();
    return true;
}

int ReadWord(FILE *in, wordT *word) {
    int ch;
    do
        ch = getc(in);
    while (ch != EOF && isspace(ch));
    word->length = 0;
    for (; ch != EOF && !isspace(ch); ch = getc(in)) {
        if (word->length + 1 >= word->capacity) {
            size_t capacity = word->capacity > 0 ? 2 * word->capacity : 64;
            char *grown = static_cast<char *>(realloc(word->text, capacity));
            if (grown == nullptr) return -1;
            word->text = grown;
            word->capacity = capacity;
        }
        word->text[word->length++] = static_cast<char>(ch);
        word->text[word->length] = '\0';
    }
    return word->length > 0 ? 1 : 0;
}

void WriteWord(FILE *out, const wordT *word, size_t limit) {
    size_t shown = word->length < limit ? word->length : limit;
    for (size_t i = 0; i < shown; i++) {
        if (word->text[i] == '\0')
            fputs("\\0", out); /* a terminal would show nothing */
        else
            fputc(word->text[i], out);
    }
    if (word->length > limit) fputs("...", out);
}
