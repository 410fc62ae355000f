/*
 * text.h: the checker's growing byte strings, and the C escapes its command languages use to
 * write any byte on one line.
 *
 * The checker's own memory comes from malloc, never from GetBlock, so that it never counts
 * against the module under check. Running out of it aborts: the checker cannot go on.
 */
#ifndef WORKBENCH_CHECK_TEXT_H
#define WORKBENCH_CHECK_TEXT_H

#include <stddef.h>
#ifndef __cplusplus
#include <stdbool.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Bytes s[0..n), always followed by a NUL once anything was added; {0} is the empty text. */
typedef struct {
    char *s;
    size_t n, room;
} textT;

void TextAppend(textT *t, const char *s, size_t n);
void TextAppendString(textT *t, const char *s);
/* Appends as printf would write it. */
void TextFormat(textT *t, const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 2, 3)))
#endif
    ;
/* The text's bytes as a string: "" for an empty text. */
const char *TextString(const textT *t);
bool TextEqual(const textT *a, const textT *b);
void TextClear(textT *t);
void TextFree(textT *t);

/*
 * Appends s[0..n) with every byte that would not show as itself on one line written as a C
 * escape: \t \n \v \f \r, \\ for the backslash and \xHH for the other control bytes and bytes
 * 0x7F-0xFF. A blank stays a blank.
 */
void AppendEscaped(textT *t, const char *s, size_t n);

/*
 * Decodes the escapes of AppendEscaped (and \0 and \" ) in s into out (cleared first). Returns
 * false, out holding what came before, at a backslash that starts none of them.
 */
bool Unescape(const char *s, textT *out);

#ifdef __cplusplus
}
#endif

#endif
