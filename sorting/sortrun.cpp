/*
 * sortrun: selection-sorts two arrays of pseudo-random values and merges them into a third.
 * Built twice: SORTRUN_COMPACT ends the printed list with a blank and no line end instead of
 * a comma and a line end.
 */
#include <cstdio>
#include <cstdlib>

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

void SELECTION_SORT(int x[], int n) {
    for (int k = 0; k < n - 1; k++) {
        int m = k;
        for (int j = k + 1; j < n; j++)
            if (x[j] < x[m]) m = j;
        int swap = x[k];
        x[k] = x[m];
        x[m] = swap;
    }
}

/* Once both inputs are spent the rest of c is left as it was. */
void MERGE(const int a[], int na, const int b[], int nb, int c[], int nc) {
    int ac = 0;
    int bc = 0;
    for (int cc = 0; cc < nc; cc++) {
        if (ac < na && bc < nb)
            c[cc] = a[ac] <= b[bc] ? a[ac++] : b[bc++];
        else if (bc < nb)
            c[cc] = b[bc++];
        else if (ac < na)
            c[cc] = a[ac++];
        else
            break;
    }
}

void PRINT_ARRAY(const char *name, const int x[], int nx) {
    printf(" %s:\n", name);
    for (int i = 0; i < nx - 1; i++)
        printf("%i, ", x[i]);
    if (nx > 0) printf(LAST_ELEMENT_FORMAT, x[nx - 1]);
    fputs(LIST_END, stdout);
}

int main(void) {
    int a[SizeA];
    int b[SizeB];
    int c[SizeC];

    /* Never seeded: every run draws the same values. */
    set_array_rand(a, SizeA);
    set_array_rand(b, SizeB);
    SELECTION_SORT(a, SizeA);
    SELECTION_SORT(b, SizeB);
    MERGE(a, SizeA, b, SizeB, c, SizeC);
    PRINT_ARRAY("Array c", c, SizeC);
    return 0;
}
