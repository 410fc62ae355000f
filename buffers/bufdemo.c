/*
 * bufdemo: a small editor command loop over whichever buffer module it is linked with.
 *
 * Each input line is one command; the buffer is displayed after every command:
 *   I<text>  insert the characters of <text> at the cursor
 *   F / B    move the cursor one character forward / backward
 *   J / E    jump to the start / end of the text
 *   D        delete the character after the cursor
 *   N        give the buffer back and start a fresh one
 *   Q        quit
 * (check/buffer_client.h, the language the checker's cases are written in).
 *
 * With -i every display is followed by a drawing of the records behind it (buffers/bufview.h):
 * a caret after a cell or block marks the one the cursor field points to. With -j FILE, the
 * records as they stand at the end (end of input or Q) are written to FILE as one JSON object,
 * for a picture to be drawn from (the web page's); a run ended by the module's Error leaves FILE
 * empty. Each option is taken at most once; any other argument prints the usage on standard
 * error, status 2. A FILE that cannot be opened is reported before any command, status 2.
 */
/* getline is POSIX. */
#define _POSIX_C_SOURCE 200809L

#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "buffers/buffer.h"
#include "buffers/bufview.h"
#include "check/buffer_client.h"

/* The name messages give: the last component of argv[0]. */
static const char *ProgramName(const char *argv0) {
    const char *slash = strrchr(argv0, '/');
    return slash != NULL ? slash + 1 : argv0;
}

static int Usage(const char *program) {
    fprintf(stderr,
            "usage: %s [-i] [-j FILE] < commands\n"
            "  -i       after each display, also draw the records behind the buffer\n"
            "  -j FILE  at the end, write the records behind the buffer to FILE as JSON\n",
            program);
    return 2;
}

int main(int argc, char **argv) {
    int inside = 0;
    const char *records = NULL; /* -j's file */
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "-i") == 0 && !inside)
            inside = 1;
        else if (strcmp(argv[i], "-j") == 0 && records == NULL && i + 1 < argc)
            records = argv[++i];
        else
            return Usage(ProgramName(argv[0]));
    }
    FILE *data = NULL;
    if (records != NULL && (data = fopen(records, "w")) == NULL) {
        fprintf(stderr, "%s: cannot write %s: %s\n", ProgramName(argv[0]), records,
                strerror(errno));
        return 2;
    }
    viewT text = NewView(stdout, NULL);
    bufferADT buffer = NewBuffer();
    /* A line of any length is one command, as the checker runs it. */
    char *line = NULL;
    size_t room = 0;
    while (getline(&line, &room, stdin) != -1) {
        line[strcspn(line, "\n")] = '\0';
        if (line[0] == 'Q') break;
        if (BufferLine(&buffer, line) && inside) DrawBuffer(buffer, &text);
    }
    free(line);
    int status = 0;
    if (data != NULL) {
        viewT view = NewView(NULL, data);
        DrawBuffer(buffer, &view);
        if (fclose(data) != 0) {
            fprintf(stderr, "%s: cannot write %s: %s\n", ProgramName(argv[0]), records,
                    strerror(errno));
            status = 1;
        }
    }
    FreeBuffer(buffer);
    return status;
}
