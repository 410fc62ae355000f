/*
 * intstack: pushes the integers of data.txt onto the stack and pops on each -99999, reporting
 * every pop. With -i (and -j FILE) the stack is drawn after each push, pop and growth
 * (lists/stack_view.h).
 */
#include <cstdio>
#include <cstdlib>

#include "lists/stack.h"
#include "lists/stack_view.h"
#include "support/numread.h"

enum { PopSentinel = -99999, ShownLength = 63 };

/* view is null unless the stack is drawn; then a growth is made and drawn before its push. */
static void handleValue(int value, viewT *view) {
    if (value > PopSentinel) {
        if (view != nullptr && full() == 1) {
            growStack();
            DrawStack(view, StackGrown, 0);
        }
        if (push(value) != 1) printf("Error trying to push node!\n");
        if (view != nullptr) DrawStack(view, StackPushed, value);
    } else if (value == PopSentinel) {
        bool wasEmpty = empty() == 1;
        int popped = pop();
        printf("# elements after popping: %d, integer popped: %d\n", stack->count, popped);
        if (view != nullptr) DrawStack(view, wasEmpty ? StackPoppedEmpty : StackPopped, popped);
    }
}

static viewT view;
static char **arguments;

/* Ends a run, with the stack, the word, the file and the view released; returns the exit
 * status. */
static int finish(FILE *fp, wordT *word, int status) {
    freeStack();
    free(word->text);
    fclose(fp);
    if (EndView(&view, arguments) != 0 && status == 0) status = 1;
    return status;
}

int main(int nargs, char *argv[]) {
    arguments = argv;
    viewStartT shown = StartView(&view, nargs, argv);
    if (shown == ViewFailed) return 2;
    initStack();
    FILE *fp = fopen("data.txt", "r");
    if (fp == nullptr) {
        perror("cannot open file!");
        freeStack();
        EndView(&view, argv);
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
        handleValue(value, shown == ViewOn ? &view : nullptr);
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
