/*
 * intstack: pushes the integers of data.txt onto the stack and pops on each -99999, reporting
 * every pop.
 */
#include <cstdio>
#include <cstdlib>

#include "lists/stack.h"
#include "support/numread.h"

enum { PopSentinel = -99999, ShownLength = 63 };

static void handleValue(int value) {
    if (value > PopSentinel) {
        if (push(value) != 1) printf("Error trying to push node!\n");
    } else if (value == PopSentinel) {
        int popped = pop();
        printf("# elements after popping: %d, integer popped: %d\n", stack->count, popped);
    }
}

/* Ends a run, with the stack, the word and the file released; returns the exit status. */
static int finish(FILE *fp, wordT *word, int status) {
    freeStack();
    free(word->text);
    fclose(fp);
    return status;
}

int main(int nargs, char *argv[]) {
    (void)nargs;
    (void)argv;
    initStack();
    FILE *fp = fopen("data.txt", "r");
    if (fp == nullptr) {
        perror("cannot open file!");
        freeStack();
        return 1;
    }
    wordT word = {};
    int found;
    int value;
    while ((found = ReadWord(fp, &word)) > 0) {
        if (!ParseInt(word.text, word.length, RefuseOutOfRange, &value)) {
            fflush(stdout);
            fputs("intstack: \"", stderr);
            WriteWord(stderr, &word, ShownLength);
            fputs("\" in data.txt is not a 32-bit integer\n", stderr);
            return finish(fp, &word, 1);
        }
        handleValue(value);
    }
    if (found < 0) {
        fflush(stdout);
        fputs("intstack: out of memory reading data.txt\n", stderr);
        return finish(fp, &word, 1);
    }
    if (ferror(fp)) {
        perror("cannot read file!");
        return finish(fp, &word, 1);
    }
    return finish(fp, &word, 0);
}
