/*
 * ringdemo: a small command loop over the circular list module (lists/dllist.h), drawing the
 * ring after every command (lists/dllist_view.h): the nodes from front to rear and the links
 * that close the ring.
 *
 * Each input line is one command:
 *   A <n> [word]  append n (dl_insert), with the word if one is given
 *   F <n>         insert n at the front (dl_insert_front)
 *   D <n>         remove every n (dl_del)
 *   C <n>         say whether some node holds n (dl_check)
 *   P / B         pop the front / the back
 *   Q             quit
 * With -j FILE each drawing is also written to FILE as one JSON object a line, for a picture to
 * be drawn from (the web page's). Any other argument prints the usage on standard error, status 2.
 */
#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include "lists/dllist.h"
#include "lists/dllist_view.h"
#include "support/numread.h"

/* Reads the number after the command letter and the word after it, if any; 0 without one. */
static int ReadOperands(char *line, int *value, const char **word) {
    char *p = line + 1;
    while (isspace((unsigned char)*p))
        p++;
    char *end = p;
    while (*end != '\0' && !isspace((unsigned char)*end))
        end++;
    if (!ParseInt(p, (size_t)(end - p), RefuseOutOfRange, value)) return 0;
    while (isspace((unsigned char)*end))
        end++;
    *word = end;
    return 1;
}

/* Runs one command; returns 0, having said why, when it needs a number and has none. */
static int RunCommand(char *line, int *value) {
    const char *word = "";
    int command = line[0];
    if (strchr("AFDC", command) != NULL && !ReadOperands(line, value, &word)) {
        printf("%c needs a number\n", command);
        return 0;
    }
    switch (command) {
        case 'A':
            dl_insert(front, *value, word);
            break;
        case 'F':
            dl_insert_front(front, *value);
            break;
        case 'D':
            if (!dl_del(front, *value)) printf("%d is not in the ring\n", *value);
            break;
        case 'C':
            printf("%d is %sin the ring\n", *value, dl_check(front, *value) ? "" : "not ");
            break;
        case 'P':
            dl_pop_front(front);
            break;
        case 'B':
            dl_pop_back(front);
            break;
        default:
            printf("Unknown command '%c'\n", command);
            return 0;
    }
    return 1;
}

int main(int argc, char **argv) {
    viewT view;
    viewStartT shown = StartView(&view, argc, argv);
    if (shown == ViewFailed) return 2;
    if (argc > 1 && (shown == ViewOff || view.text != NULL)) {
        fprintf(stderr,
                "usage: ringdemo [-j FILE] < commands\n"
                "  -j FILE  also write each drawing of the ring to FILE as a line of JSON\n");
        EndView(&view, argv);
        return 2;
    }
    view.text = stdout;
    char line[256];
    while (fgets(line, sizeof line, stdin) != NULL) {
        line[strcspn(line, "\n")] = '\0';
        if (line[0] == 'Q') break;
        if (line[0] == '\0') continue;
        printf("> %s\n", line);
        int value = 0;
        if (RunCommand(line, &value))
            DrawRing(&view, line[0], strchr("AFDC", line[0]) != NULL, value);
    }
    /* Nodes still in the ring are released as the module's own pops release them. */
    while (front != NULL)
        dl_pop_front(front);
    return EndView(&view, argv);
}
