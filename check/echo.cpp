/* echo: a command line as its client shows it (check/echo.h). */
#include "check/echo.h"

#include <cstdio>

#include <cstring>

void AppendEcho(textT *t, const char *line) {
    TextAppendString(t, "> ");
    for (;;) {
        size_t run = strcspn(line, "\\");
        AppendEscaped(t, line, run);
        if (line[run] == '\0') break;
        TextAppendString(t, "\\");
        line += run + 1;
    }
    TextAppendString(t, "\n");
}

void PrintEcho(const char *line) {
    textT echo = {};
    AppendEcho(&echo, line);
    fwrite(TextString(&echo), 1, echo.n, stdout);
    TextFree(&echo);
}
