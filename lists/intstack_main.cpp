/*
 * intstack: pushes the integers of data.txt onto the stack and pops on each -99999, reporting
 * every pop.
 */
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "lists/stack.h"

enum { PopSentinel = -99999, TokenSize = 64 };

/* One white-space separated word of the file, cut to fit; truncated says whether it was cut. */
typedef struct {
    char text[TokenSize];
    int truncated;
} tokenT;

/* Reads the next word into token; returns 0 at the end of the file (or on a read error). */
static int readToken(FILE *fp, tokenT *token) {
    int ch;
    do {
        ch = getc(fp);
    } while (ch != EOF && isspace(ch));
    if (ch == EOF) return 0;
    int length = 0;
    token->truncated = 0;
    while (ch != EOF && !isspace(ch)) {
        if (length < TokenSize - 1)
            token->text[length++] = static_cast<char>(ch);
        else
            token->truncated = 1;
        ch = getc(fp);
    }
    token->text[length] = '\0';
    return 1;
}

/* Stores the token's value in *value if the whole token is a decimal int; returns 1 if so. */
static int parseInt(const tokenT *token, int *value) {
    if (token->truncated) return 0;
    char *end;
    errno = 0;
    long parsed = strtol(token->text, &end, 10);
    if (end == token->text || *end != '\0' || errno == ERANGE) return 0;
    if (parsed < INT_MIN || parsed > INT_MAX) return 0;
    *value = static_cast<int>(parsed);
    return 1;
}

static void handleValue(int value) {
    if (value > PopSentinel) {
        if (push(value) != 1) printf("Error trying to push node!\n");
    } else if (value == PopSentinel) {
        int popped = pop();
        printf("# elements after popping: %d, integer popped: %d\n", stack->count, popped);
    }
}

/* Ends a run that cannot go on, with the stack released and the file closed. */
static int giveUp(FILE *fp) {
    freeStack();
    fclose(fp);
    return 1;
}

int main(int nargs, char *argv[]) {
    (void)nargs;
    (void)argv;
    initStack();
    FILE *fp = fopen("data.txt", "r");
    if (fp == NULL) {
        perror("cannot open file!");
        freeStack();
        return 1;
    }
    tokenT token;
    int value;
    while (readToken(fp, &token)) {
        if (!parseInt(&token, &value)) {
            fflush(stdout);
            fprintf(stderr, "intstack: \"%s%s\" in data.txt is not a 32-bit integer\n", token.text,
                    token.truncated ? "..." : "");
            return giveUp(fp);
        }
        handleValue(value);
    }
    if (ferror(fp)) {
        perror("cannot read file!");
        return giveUp(fp);
    }
    freeStack();
    fclose(fp);
    return 0;
}
