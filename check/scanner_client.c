/* scanner_client: siftdemo's command language over one scanner (check/scanner_client.h). */
#include "check/scanner_client.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "check/echo.h"
#include "check/text.h"
#include "scanner/wordsift.h"

typedef struct {
    scannerADT scanner;
    string last;  /* the token R read last, null before the first */
    string saved; /* what K gave to SaveToken, until the scanner hands it back or drops it */
} scannerStateT;

/* Frees a token the client holds, unless it is still in use as the last one or the saved one. */
static void Release(scannerStateT *state, string token) {
    if (token != NULL && token != state->last && token != state->saved) FreeBlock(token);
}

/* SetScannerString and FreeScanner drop a saved token without freeing it: it is the client's. */
static void DropSaved(scannerStateT *state) {
    string dropped = state->saved;
    state->saved = NULL;
    Release(state, dropped);
}

static void PrintEscaped(const char *s) {
    textT shown = {0};
    AppendEscaped(&shown, s, strlen(s));
    fwrite(TextString(&shown), 1, shown.n, stdout);
    TextFree(&shown);
}

/* Reads one token and prints it; returns it, its saved mark settled. */
static string ReadAndShow(scannerStateT *state) {
    string token = ReadToken(state->scanner);
    putchar('[');
    PrintEscaped(token);
    putchar(']');
    if (state->saved != NULL && token == state->saved) {
        fputs(" (saved)", stdout);
        state->saved = NULL;
    }
    return token;
}

static void SetText(scannerStateT *state, const char *escaped) {
    textT text = {0};
    if (Unescape(escaped, &text)) {
        SetScannerString(state->scanner, TextString(&text));
        DropSaved(state);
    } else {
        puts("Bad escape: a backslash begins none of \\t \\n \\v \\f \\r \\\\ \\\" \\0 \\xHH");
    }
    TextFree(&text);
}

static void Command(scannerStateT *state, char command) {
    switch (command) {
        case 'R': {
            string token = ReadAndShow(state);
            putchar('\n');
            string previous = state->last;
            state->last = token;
            Release(state, previous);
            break;
        }
        case 'M':
            puts(MoreTokensExist(state->scanner) ? "TRUE" : "FALSE");
            break;
        case 'K': {
            if (state->last == NULL) {
                puts("No token to save: R reads one");
                break;
            }
            SaveToken(state->scanner, state->last);
            string previous = state->saved;
            state->saved = state->last;
            Release(state, previous);
            break;
        }
        case 'P':
            SetScannerSpaceOption(state->scanner, PreserveSpaces);
            break;
        case 'I':
            SetScannerSpaceOption(state->scanner, IgnoreSpaces);
            break;
        case 'O': {
            spaceOptionT option = GetScannerSpaceOption(state->scanner);
            if (option == PreserveSpaces)
                puts("PreserveSpaces");
            else if (option == IgnoreSpaces)
                puts("IgnoreSpaces");
            else
                printf("%d\n", (int)option);
            break;
        }
        case 'A': {
            /* Asked before anything is printed, so that a scanner without text ends it first. */
            bool more = MoreTokensExist(state->scanner);
            fputs("Tokens:", stdout);
            for (; more; more = MoreTokensExist(state->scanner)) {
                putchar(' ');
                Release(state, ReadAndShow(state));
            }
            putchar('\n');
            break;
        }
        case 'F':
            FreeScanner(state->scanner);
            state->scanner = NewScanner();
            DropSaved(state);
            break;
        default:
            puts("Not a command: S text, R, M, K, P, I, O, A or F");
    }
}

static void *Start(void) {
    scannerStateT *state = malloc(sizeof *state);
    if (state == NULL) abort();
    state->scanner = NewScanner();
    state->last = NULL;
    state->saved = NULL;
    return state;
}

static void Line(void *opaque, const char *line) {
    scannerStateT *state = opaque;
    PrintEcho(line);
    if (line[0] == 'S' && (line[1] == '\0' || line[1] == ' '))
        SetText(state, line[1] == '\0' ? "" : line + 2);
    else if (line[0] != '\0' && line[1] == '\0')
        Command(state, line[0]);
    else if (line[0] != '\0')
        Command(state, '\0');
}

static void Finish(void *opaque) {
    scannerStateT *state = opaque;
    FreeScanner(state->scanner);
    string saved = state->saved;
    state->saved = NULL;
    Release(state, saved);
    string last = state->last;
    state->last = NULL;
    Release(state, last);
    free(state);
}

const clientT ScannerClient = {"siftdemo", Start, Line, Finish};
