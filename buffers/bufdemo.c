/*
 * bufdemo: a small editor command loop over whichever buffer module it is linked with.
 *
 * Each input line is one command; the buffer is displayed after every command:
 *   I<text>  insert the characters of <text> at the cursor
 *   F / B    move the cursor one character forward / backward
 *   J / E    jump to the start / end of the text
 *   D        delete the character after the cursor
 *   Q        quit
 *
 * With -i every display is followed by a drawing of the records behind it (buffers/bufview.h):
 * a caret after a cell or block marks the one the cursor field points to.
 */
#include <stdio.h>
#include <string.h>

#include "buffers/buffer.h"
#include "buffers/bufview.h"

static void RunCommand(bufferADT buffer, const char *line, int inside) {
    switch (line[0]) {
        case 'I':
            for (const char *p = line + 1; *p != '\0'; p++)
                InsertCharacter(buffer, *p);
            break;
        case 'F':
            MoveCursorForward(buffer);
            break;
        case 'B':
            MoveCursorBackward(buffer);
            break;
        case 'J':
            MoveCursorToStart(buffer);
            break;
        case 'E':
            MoveCursorToEnd(buffer);
            break;
        case 'D':
            DeleteCharacter(buffer);
            break;
        default:
            printf("Unknown command '%c'\n", line[0]);
            return;
    }
    DisplayBuffer(buffer);
    if (inside) DrawBuffer(buffer);
}

int main(int argc, char **argv) {
    int inside = argc == 2 && strcmp(argv[1], "-i") == 0;
    if (argc > 1 && !inside) {
        const char *slash = strrchr(argv[0], '/');
        fprintf(stderr,
                "usage: %s [-i] < commands\n"
                "  -i  after each display, also draw the records behind the buffer\n",
                slash != NULL ? slash + 1 : argv[0]);
        return 2;
    }
    bufferADT buffer = NewBuffer();
    char line[256];
    while (fgets(line, sizeof line, stdin) != NULL) {
        line[strcspn(line, "\n")] = '\0';
        if (line[0] == 'Q') break;
        if (line[0] == '\0') continue;
        printf("> %s\n", line);
        RunCommand(buffer, line, inside);
    }
    FreeBuffer(buffer);
    return 0;
}
