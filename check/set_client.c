/* set_client: bagdemo's command language over the sets A and B (check/set_client.h). */
#include "check/set_client.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "sets/set.h"
#include "support/genlib.h"
#include "support/numread.h"

static const char *const Blanks = " \t\n\v\f\r"; /* C's white space */
static const char *const Names[] = {"A", "B"};

typedef struct {
    setADT sets[2]; /* A and B */
} setStateT;

static void PrintLine(const char *label, setADT S) {
    printf("%s = ", label);
    setPrint(S, label);
    putchar('\n');
}

static void InsertWords(setADT S, const char *name) {
    for (char *word = strtok(NULL, Blanks); word != NULL; word = strtok(NULL, Blanks)) {
        setElementT value;
        if (!ParseInt(word, strlen(word), RefuseOutOfRange, &value)) {
            printf("Not an integer: %s\n", word);
            continue;
        }
        /* Inserted first, so a module that ends the program leaves no half-written line. */
        setInsertElementSorted(S, value);
        printf("%s + %d = ", name, value);
        setPrint(S, name);
        putchar('\n');
    }
}

static void ShowDifference(const char *a, setADT A, const char *b, setADT B) {
    char label[8];
    snprintf(label, sizeof label, "%s - %s", a, b);
    setADT difference = setDifference(A, B);
    PrintLine(label, difference);
    FreeBlock(difference);
}

/* The index of the set of that name, or -1. */
static int SetIndex(const char *name) {
    for (int i = 0; i < 2; i++)
        if (strcmp(name, Names[i]) == 0) return i;
    return -1;
}

/*
 * Reads exactly count set names after the command into index; prints why not and returns false
 * for a name of no set (the first such) or a wrong number of names.
 */
static bool ReadOperands(int count, int *index, const char *usage) {
    for (int i = 0; i < count; i++) {
        const char *name = strtok(NULL, Blanks);
        if (name == NULL) break;
        index[i] = SetIndex(name);
        if (index[i] < 0) {
            printf("Unknown set: %s\n", name);
            return false;
        }
        if (i == count - 1 && strtok(NULL, Blanks) == NULL) return true;
    }
    printf("Usage: %s\n", usage);
    return false;
}

static void *Start(void) {
    setStateT *state = malloc(sizeof *state);
    if (state == NULL) abort();
    state->sets[0] = NewSet();
    state->sets[1] = NewSet();
    return state;
}

static void Line(void *opaque, const char *line) {
    setStateT *state = opaque;
    char *words = malloc(strlen(line) + 1);
    if (words == NULL) abort();
    strcpy(words, line);
    const char *command = strtok(words, Blanks);
    int index[2];
    if (command == NULL) {
        /* a blank line */
    } else if (SetIndex(command) >= 0) {
        InsertWords(state->sets[SetIndex(command)], command);
    } else if (strcmp(command, "P") == 0) {
        if (ReadOperands(1, index, "P <A|B>")) PrintLine(Names[index[0]], state->sets[index[0]]);
    } else if (strcmp(command, "D") == 0) {
        if (ReadOperands(2, index, "D <A|B> <A|B>"))
            ShowDifference(Names[index[0]], state->sets[index[0]], Names[index[1]],
                           state->sets[index[1]]);
    } else if (strcmp(command, "N") == 0) {
        if (ReadOperands(1, index, "N <A|B>")) {
            FreeBlock(state->sets[index[0]]);
            state->sets[index[0]] = NewSet();
            PrintLine(Names[index[0]], state->sets[index[0]]);
        }
    } else {
        printf("Unknown set: %s\n", command);
    }
    free(words);
}

static void Finish(void *opaque) {
    setStateT *state = opaque;
    setADT A = state->sets[0], B = state->sets[1];
    PrintLine("A", A);
    PrintLine("B", B);
    ShowDifference("A", A, "B", B);
    ShowDifference("B", B, "A", A);
    FreeBlock(A);
    FreeBlock(B);
    free(state);
}

const clientT SetClient = {"bagdemo", Start, Line, Finish};
