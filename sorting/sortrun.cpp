/*
 * sortrun: selection-sorts two arrays of pseudo-random values and merges them into a third.
 * Built twice: SORTRUN_COMPACT ends the printed list with a blank and no line end instead of
 * a comma and a line end. With -i (and -j FILE) every pass of each sort and every step of the
 * merge is drawn on the way (sorting/sort_view.h).
 */
#include <cstdio>
#include <cstdlib>

#include "sorting/sort_view.h"
#include "sorting/sortrun.h"

#ifdef SORTRUN_COMPACT
#define LAST_ELEMENT_FORMAT "%d "
#define LIST_END ""
#else
#define LAST_ELEMENT_FORMAT "%d,"
#define LIST_END "\n"
#endif

enum { SizeA = 50, SizeB = 70, SizeC = SizeA + SizeB, LowValue = 30, HighValue = 100 };

int rand_int(int a, int b) {
    return a + rand() % (b - a + 1);
}

void set_array_rand(int x[], int n) {
    for (int i = 0; i < n; i++)
        x[i] = rand_int(LowValue, HighValue);
}

int SELECTION_PASS(int x[], int n, int k) {
    int m = k;
    for (int j = k + 1; j < n; j++)
        if (x[j] < x[m]) m = j;
    int swap = x[k];
    x[k] = x[m];
    x[m] = swap;
    return m;
}

void SELECTION_SORT(int x[], int n) {
    for (int k = 0; k < n - 1; k++)
        SELECTION_PASS(x, n, k);
}

int MERGE_STEP(const int a[], int na, const int b[], int nb, int c[], int nc, mergeT *at) {
    if (at->cc >= nc) return 0;
    if (at->ac < na && at->bc < nb)
        c[at->cc] = a[at->ac] <= b[at->bc] ? a[at->ac++] : b[at->bc++];
    else if (at->bc < nb)
        c[at->cc] = b[at->bc++];
    else if (at->ac < na)
        c[at->cc] = a[at->ac++];
    else
        return 0;
    at->cc++;
    return 1;
}

/* Once both inputs are spent the rest of c is left as it was. */
void MERGE(const int a[], int na, const int b[], int nb, int c[], int nc) {
    mergeT at = {0, 0, 0};
    while (MERGE_STEP(a, na, b, nb, c, nc, &at) != 0) {
    }
}

void PRINT_ARRAY(const char *name, const int x[], int nx) {
    printf(" %s:\n", name);
    for (int i = 0; i < nx - 1; i++)
        printf("%i, ", x[i]);
    if (nx > 0) printf(LAST_ELEMENT_FORMAT, x[nx - 1]);
    fputs(LIST_END, stdout);
}

/* The sorts and the merge of main, one pass and one step at a time, each drawn. */
static void SortAndMergeShown(viewT *view, int a[], int b[], int c[]) {
    DrawFilled(view, "a", a, SizeA);
    DrawFilled(view, "b", b, SizeB);
    for (int k = 0; k < SizeA - 1; k++)
        DrawPass(view, "a", a, SizeA, k, SELECTION_PASS(a, SizeA, k));
    for (int k = 0; k < SizeB - 1; k++)
        DrawPass(view, "b", b, SizeB, k, SELECTION_PASS(b, SizeB, k));
    mergeT at = {0, 0, 0};
    for (mergeT before = at; MERGE_STEP(a, SizeA, b, SizeB, c, SizeC, &at) != 0; before = at)
        DrawMergeStep(view, a, SizeA, b, SizeB, c, &at, at.ac > before.ac);
}

int main(int argc, char *argv[]) {
    int a[SizeA];
    int b[SizeB];
    int c[SizeC];
    viewT view;
    viewStartT shown = StartView(&view, argc, argv);
    if (shown == ViewFailed) return 2;

    /* Never seeded: every run draws the same values. */
    set_array_rand(a, SizeA);
    set_array_rand(b, SizeB);
    if (shown == ViewOn) {
        SortAndMergeShown(&view, a, b, c);
    } else {
        SELECTION_SORT(a, SizeA);
        SELECTION_SORT(b, SizeB);
        MERGE(a, SizeA, b, SizeB, c, SizeC);
    }
    PRINT_ARRAY("Array c", c, SizeC);
    return EndView(&view, argv);
}
