/* text: growing byte strings and the command languages' escapes (check/text.h). */
#include "check/text.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

/* Makes room for n more bytes and the NUL. */
static void Reserve(textT *t, size_t n) {
    if (t->n + n + 1 <= t->room) return;
    t->room = (t->n + n + 1) * 2;
    t->s = static_cast<char *>(realloc(t->s, t->room));
    if (t->s == nullptr) abort();
}

void TextAppend(textT *t, const char *s, size_t n) {
    Reserve(t, n);
    if (n > 0) memcpy(t->s + t->n, s, n);
    t->n += n;
    t->s[t->n] = '\0';
}

void TextAppendString(textT *t, const char *s) {
    TextAppend(t, s, strlen(s));
}

void TextFormat(textT *t, const char *format, ...) {
    va_list args;
    va_start(args, format);
    int n = vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (n < 0) abort();
    Reserve(t, static_cast<size_t>(n));
    va_start(args, format);
    vsnprintf(t->s + t->n, static_cast<size_t>(n) + 1, format, args);
    va_end(args);
    t->n += static_cast<size_t>(n);
}

const char *TextString(const textT *t) {
    return t->s != nullptr ? t->s : "";
}

bool TextEqual(const textT *a, const textT *b) {
    return a->n == b->n && (a->n == 0 || memcmp(a->s, b->s, a->n) == 0);
}

void TextClear(textT *t) {
    t->n = 0;
    if (t->s != nullptr) t->s[0] = '\0';
}

void TextFree(textT *t) {
    free(t->s);
    *t = textT{nullptr, 0, 0};
}

/* The escapes that have a letter, and the bytes they stand for. */
static const char escapeLetters[] = "tnvfr\\0\"";
static const char escapeBytes[] = "\t\n\v\f\r\\\0\"";

void AppendEscaped(textT *t, const char *s, size_t n) {
    for (size_t i = 0; i < n; i++) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        const char *letter = c != '\0' && c != '"' ? strchr(escapeBytes, c) : nullptr;
        if (letter != nullptr)
            TextFormat(t, "\\%c", escapeLetters[letter - escapeBytes]);
        else if (c < 0x20 || c >= 0x7F)
            TextFormat(t, "\\x%02X", c);
        else
            TextAppend(t, s + i, 1);
    }
}

static int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool Unescape(const char *s, textT *out) {
    TextClear(out);
    for (const char *p = s; *p != '\0'; p++) {
        if (*p != '\\') {
            TextAppend(out, p, 1);
            continue;
        }
        p++;
        const char *letter = *p != '\0' ? strchr(escapeLetters, *p) : nullptr;
        if (letter != nullptr) {
            TextAppend(out, &escapeBytes[letter - escapeLetters], 1);
        } else if (*p == 'x' && HexDigit(p[1]) >= 0 && HexDigit(p[2]) >= 0) {
            char byte = static_cast<char>(HexDigit(p[1]) * 16 + HexDigit(p[2]));
            TextAppend(out, &byte, 1);
            p += 2;
        } else {
            return false;
        }
    }
    return true;
}
