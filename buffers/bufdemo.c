/*
 * bufdemo: a small editor command loop over whichever buffer module it is linked with.
 *
 * Each input line is one command; the buffer is displayed after every command:
 *   I<text>  insert the characters of <text> at the cursor
 *   F / B    move the cursor one character forward / backward
 *   J / E    jump to the start / end of the text
 *   D        delete the character after the cursor
 *   Q        quit
 */
#include <stdio.h>
#include <string.h>

#include "buffers/buffer.h"

static void RunCommand(bufferADT buffer, const char *line) {
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
}

int main(void) {
    bufferADT buffer = NewBuffer();
    char line[256];
    while (fgets(line, sizeof line, stdin) != NULL) {
        line[strcspn(line, "\n")] = '\0';
        if (line[0] == 'Q') break;
        if (line[0] == '\0') continue;
        printf("> %s\n", line);
        RunCommand(buffer, line);
    }
    FreeBuffer(buffer);
    return 0;
}
