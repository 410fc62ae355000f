/* view: the two forms of a drawing. The data form is JSON, written as the walk goes, with a
 * count of members per open level to place the commas. */
#include "support/view.h"

#include <cerrno>
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

void ViewBool(viewT *view, const char *key, int value) {
    if (view->data == nullptr) return;
    StartMember(view, key);
    fputs(value != 0 ? "true" : "false", view->data);
}

/* The name messages give: the last component of argv[0]. */
static const char *ProgramName(char **argv) {
    const char *slash = strrchr(argv[0], '/');
    return slash != nullptr ? slash + 1 : argv[0];
}

viewStartT StartView(viewT *view, int argc, char **argv) {
    *view = NewView(nullptr, nullptr);
    bool text = false;
    const char *path = nullptr;
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "-i") == 0 && !text)
            text = true;
        else if (strcmp(argv[i], "-j") == 0 && path == nullptr && i + 1 < argc)
            path = argv[++i];
        else
            return ViewOff;
    }
    if (!text && path == nullptr) return ViewOff;
    FILE *data = nullptr;
    if (path != nullptr && (data = fopen(path, "w")) == nullptr) {
        fprintf(stderr, "%s: cannot write %s: %s\n", ProgramName(argv), path, strerror(errno));
        return ViewFailed;
    }
    *view = NewView(text ? stdout : nullptr, data);
    return ViewOn;
}

int EndView(viewT *view, char **argv) {
    if (view->data == nullptr) return 0;
    /* The error indicator also keeps a failed write of an earlier line. */
    bool failed = ferror(view->data) != 0;
    failed = fclose(view->data) != 0 || failed;
    view->data = nullptr;
    if (!failed) return 0;
    fprintf(stderr, "%s: cannot write the descriptions\n", ProgramName(argv));
    return 1;
}
