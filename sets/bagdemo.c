/*
 * bagdemo: fills two sets, A and B, from standard input and prints their differences.
 *
 * Each input line starts with the name of a set, A or B, followed by integers separated by white
 * space; each integer is inserted into that set and the set is printed after the insertion, as
 * "A + 5 = {5}". Blank lines are skipped. At the end of input it prints both sets and the
 * differences A - B and B - A. A line naming another set and a word that is not an integer are
 * reported on standard output and skipped.
 */
#define _POSIX_C_SOURCE 200809L

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "sets/set.h"
#include "support/genlib.h"
#include "support/numread.h"

static const char *const Blanks = " \t\n\v\f\r"; /* C's white space */

static void PrintLine(const char *label, setADT S) {
    printf("%s = ", label);
    setPrint(S, label);
    putchar('\n');
}

static void InsertWords(setADT S, const char *name, char *rest) {
    if (rest == NULL) return;
    for (char *word = strtok(rest, Blanks); word != NULL; word = strtok(NULL, Blanks)) {
        setElementT value;
        if (!ParseInt(word, strlen(word), RefuseOutOfRange, &value)) {
            printf("Not an integer: %s\n", word);
            continue;
        }
        /* Inserted first, so a full set ends the program before a half-written line. */
        setInsertElementSorted(S, value);
        printf("%s + %d = ", name, value);
        setPrint(S, name);
        putchar('\n');
    }
}

static void ShowDifference(const char *label, setADT A, setADT B) {
    setADT difference = setDifference(A, B);
    PrintLine(label, difference);
    FreeBlock(difference);
}

int main(void) {
    setADT A = NewSet(), B = NewSet();
    char *line = NULL;
    size_t capacity = 0;
    while (getline(&line, &capacity, stdin) != -1) {
        char *name = strtok(line, Blanks);
        if (name == NULL) continue;
        if (strcmp(name, "A") == 0)
            InsertWords(A, "A", strtok(NULL, ""));
        else if (strcmp(name, "B") == 0)
            InsertWords(B, "B", strtok(NULL, ""));
        else
            printf("Unknown set: %s\n", name);
    }
    free(line);
    PrintLine("A", A);
    PrintLine("B", B);
    ShowDifference("A - B", A, B);
    ShowDifference("B - A", B, A);
    FreeBlock(A);
    FreeBlock(B);
    return 0;
}
