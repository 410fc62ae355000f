/* view: the two forms of a drawing. The data form is JSON, written as the walk goes, with a
 * count of members per open level to place the commas. */
#include "support/view.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

viewT NewView(FILE *text, FILE *data) {
    viewT view = {};
    view.text = text;
    view.data = data;
    return view;
}

void ViewText(viewT *view, const char *format, ...) {
    if (view->text == nullptr) return;
    va_list args;
    va_start(args, format);
    vfprintf(view->text, format, args);
    va_end(args);
}

static void PutString(FILE *data, const char *s, size_t n) {
    putc('"', data);
    for (size_t i = 0; i < n; i++) {
        unsigned char byte = static_cast<unsigned char>(s[i]);
        if (byte == '"' || byte == '\\')
            fprintf(data, "\\%c", byte);
        else if (byte < 0x20 || byte >= 0x7f)
            fprintf(data, "\\u%04x", byte);
        else
            putc(byte, data);
    }
    putc('"', data);
}

/* Starts a member at the current level: the comma before all but the first, then its key. */
static void StartMember(viewT *view, const char *key) {
    if (view->depth > 0 && view->members[view->depth - 1]++ > 0) putc(',', view->data);
    if (key == nullptr) return;
    PutString(view->data, key, strlen(key));
    putc(':', view->data);
}

void ViewOpen(viewT *view, const char *key, char bracket) {
    if (view->data == nullptr) return;
    if (view->depth == ViewMaxDepth) {
        fputs("view: nested too deep\n", stderr);
        exit(1);
    }
    StartMember(view, key);
    putc(bracket, view->data);
    view->closers[view->depth] = bracket == '{' ? '}' : ']';
    view->members[view->depth++] = 0;
}

void ViewClose(viewT *view) {
    if (view->data == nullptr || view->depth == 0) return;
    view->depth--;
    putc(view->closers[view->depth], view->data);
    if (view->depth == 0) putc('\n', view->data);
}

void ViewNumber(viewT *view, const char *key, long value) {
    if (view->data == nullptr) return;
    StartMember(view, key);
    fprintf(view->data, "%ld", value);
}

void ViewString(viewT *view, const char *key, const char *s) {
    if (view->data == nullptr) return;
    StartMember(view, key);
    PutString(view->data, s, strlen(s));
}

void ViewChar(viewT *view, const char *key, char ch) {
    if (view->data == nullptr) return;
    StartMember(view, key);
    PutString(view->data, &ch, 1);
}
