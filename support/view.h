/*
 * view.h: a structure's drawing in its two forms, written in one walk of its records: the text
 * a terminal shows, and a JSON description that a picture is drawn from (the web page's), so
 * that the picture never has to parse the text. Either stream may be null, and that form is
 * then skipped. Not installed.
 *
 * A view writes one JSON value, an object, on one line: ViewOpen with key null at the top, then
 * members, then the matching ViewClose, which ends the line. Inside an object every member has
 * a key; inside an array none has.
 */
#ifndef WORKBENCH_SUPPORT_VIEW_H
#define WORKBENCH_SUPPORT_VIEW_H

#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

enum { ViewMaxDepth = 16 };

typedef struct {
    FILE *text;                 /* the text drawing, or null */
    FILE *data;                 /* the JSON description, or null */
    int depth;                  /* objects and arrays open */
    int members[ViewMaxDepth];  /* members written so far at each open level */
    char closers[ViewMaxDepth]; /* '}' or ']' for each open level */
} viewT;

/* A view writing the text to text and the description to data (either may be null). */
viewT NewView(FILE *text, FILE *data);

/* Text form only: printf to the text stream. */
void ViewText(viewT *view, const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 2, 3)))
#endif
    ;

/* Data form only: opens an object ('{') or an array ('['), the member key of the enclosing
 * object (null at the top and inside arrays). Nesting deeper than ViewMaxDepth is an error
 * of the caller's and ends the program. */
void ViewOpen(viewT *view, const char *key, char bracket);

/* Closes what the last open ViewOpen opened; at the top, ends the description's line. */
void ViewClose(viewT *view);

/* Data form only: a member (key null inside arrays) holding a number, a string or a string of
 * one character. Strings are escaped for JSON; a byte of 0x80 or above is written as \u00XX. */
void ViewNumber(viewT *view, const char *key, long value);
void ViewString(viewT *view, const char *key, const char *s);
void ViewChar(viewT *view, const char *key, char ch);
/* Data form only: a member holding true (value not 0) or false. */
void ViewBool(viewT *view, const char *key, int value);

/*
 * The view options of a program that takes no arguments of its own: -i draws the text on
 * standard output, -j FILE writes the descriptions to FILE, one object a line, one per drawing.
 * An argument list made only of these, each at most once, turns its forms on in *view and
 * returns ViewOn; any other list (none included) returns ViewOff, *view drawing nothing, and
 * the program runs as it always has. ViewFailed: FILE could not be opened, which has been said
 * on standard error as "<program>: cannot write FILE: <reason>"; the program ends, status 2.
 */
typedef enum { ViewOff, ViewOn, ViewFailed } viewStartT;
viewStartT StartView(viewT *view, int argc, char **argv);

/* Closes -j's file, if any. Returns 0, or 1 after saying on standard error that it could not
 * be written; argv is the program's, for its name. */
int EndView(viewT *view, char **argv);

#ifdef __cplusplus
}
#endif

#endif
