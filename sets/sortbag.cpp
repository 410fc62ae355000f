/* sortbag: a set of integers as a sorted array; at most 100 entries, so plain loops serve. */
#include "sets/set.h"

#include <cstdio>

#include "support/genlib.h"

enum { SetCapacity = 100 };

struct setCDT {
    setElementT elements[SetCapacity];
    setElementT count;
    int size;
};

static void Exchange(setElementT *a, setElementT *b) {
    setElementT held = *a;
    *a = *b;
    *b = held;
}

/*
 * The entries before the last are already in order, so adjacent exchanges from the end put the
 * last one in place. Equal values are never exchanged: a new value rests after its equals.
 */
static void SinkLastEntry(setADT S) {
    for (int j = S->count - 1; j > 0 && S->elements[j - 1] > S->elements[j]; j--)
        Exchange(&S->elements[j - 1], &S->elements[j]);
}

static bool Contains(setADT S, setElementT E) {
    for (int j = 0; j < S->count; j++)
        if (S->elements[j] == E) return true;
    return false;
}

setADT NewSet(void) {
    setADT S = static_cast<setADT>(GetBlock(sizeof(setCDT)));
    S->count = 0;
    S->size = SetCapacity;
    return S;
}

setADT setInsertElementSorted(setADT S, setElementT E) {
    if (S->count == SetCapacity) Error("Set capacity exceeded");
    S->elements[S->count] = E;
    S->count++;
    SinkLastEntry(S);
    return S;
}

void setPrint(setADT S, const char *name) {
    (void)name;
    putchar('{');
    for (int i = 0; i < S->count; i++)
        printf(i < S->count - 1 ? "%d," : "%d", S->elements[i]);
    putchar('}');
}

setADT setDifference(setADT A, setADT B) {
    setADT result = NewSet();
    for (int i = 0; i < A->count; i++)
        if (!Contains(B, A->elements[i])) setInsertElementSorted(result, A->elements[i]);
    return result;
}
