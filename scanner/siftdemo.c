/*
 * siftdemo: shows how the scanner cuts each line of standard input into tokens, first with
 * white space kept as tokens, then with it skipped.
 *
 *   siftdemo      the tokens of each line, as below
 *   siftdemo -c   reads the scanner's command language instead, one command a line, and calls
 *                 the scanner's operations one by one (check/scanner_client.h): the client that
 *                 workbench check runs a scanner's cases through
 *
 * For every input line (its line end removed) it prints "> " and the line, then one line per
 * space option: the option's name, the number of tokens and each token in brackets. Characters
 * that would not show (white space other than the blank, control characters, bytes 0x80-0xFF)
 * are written as C escapes. Every token is released as soon as it is shown.
 */
#define _POSIX_C_SOURCE 200809L

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "check/client_loop.h"
#include "scanner/wordsift.h"

static void ShowCharacter(unsigned char c) {
    switch (c) {
        case '\t':
            fputs("\\t", stdout);
            break;
        case '\n':
            fputs("\\n", stdout);
            break;
        case '\v':
            fputs("\\v", stdout);
            break;
        case '\f':
            fputs("\\f", stdout);
            break;
        case '\r':
            fputs("\\r", stdout);
            break;
        default:
            if (c < 0x20 || c >= 0x7F)
                printf("\\x%02X", (unsigned)c);
            else
                putchar(c);
    }
}

static void ShowTokens(scannerADT scanner, const char *line, spaceOptionT option,
                       const char *label) {
    /* Tokens are gathered first so the count can lead the line. */
    size_t count = 0, room = 16;
    string *tokens = malloc(room * sizeof *tokens);
    if (tokens == NULL) {
        perror("siftdemo");
        exit(1);
    }
    SetScannerSpaceOption(scanner, option);
    SetScannerString(scanner, line);
    while (MoreTokensExist(scanner)) {
        if (count == room) {
            room *= 2;
            string *grown = realloc(tokens, room * sizeof *tokens);
            if (grown == NULL) {
                perror("siftdemo");
                exit(1);
            }
            tokens = grown;
        }
        tokens[count++] = ReadToken(scanner);
    }
    printf("%-14s %zu:", label, count);
    for (size_t i = 0; i < count; i++) {
        fputs(" [", stdout);
        for (const char *p = tokens[i]; *p != '\0'; p++)
            ShowCharacter((unsigned char)*p);
        putchar(']');
        FreeBlock(tokens[i]);
    }
    putchar('\n');
    free(tokens);
}

int main(int argc, char **argv) {
    if (argc == 2 && strcmp(argv[1], "-c") == 0) return RunClient(&ScannerClient, stdin);
    if (argc > 1) {
        fputs("usage: siftdemo [-c]\n", stderr);
        return 1;
    }
    scannerADT scanner = NewScanner();
    char *line = NULL;
    size_t capacity = 0;
    ssize_t length;
    while ((length = getline(&line, &capacity, stdin)) != -1) {
        if (length > 0 && line[length - 1] == '\n') line[length - 1] = '\0';
        fputs("> ", stdout);
        for (const char *p = line; *p != '\0'; p++)
            ShowCharacter((unsigned char)*p);
        putchar('\n');
        ShowTokens(scanner, line, PreserveSpaces, "PreserveSpaces");
        ShowTokens(scanner, line, IgnoreSpaces, "IgnoreSpaces");
    }
    free(line);
    FreeScanner(scanner);
    return 0;
}
