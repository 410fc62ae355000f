/* The sorting routines of sortrun and sortrun-compact. */
#pragma once

/* A pseudo-random int in a..b from rand(); a must not be greater than b. */
int rand_int(int a, int b);
/* Fills x[0..n) with pseudo-random values from 30 to 100. */
void set_array_rand(int x[], int n);
/* Sorts x[0..n) ascending by selection: SELECTION_PASS for k from 0 to n - 2. */
void SELECTION_SORT(int x[], int n);
/* Swaps the smallest of x[k..n), the first of equal ones, with x[k]; returns where it was. */
int SELECTION_PASS(int x[], int n, int k);
/*
 * Merges sorted a and b into c, taking a's element first among equals. Writes at most nc
 * elements and never more than na + nb, so no input is read past its end whatever nc is.
 */
void MERGE(const int a[], int na, const int b[], int nb, int c[], int nc);
/* Where a merge stands: the next element of a and of b to take, the next place of c. */
typedef struct {
    int ac;
    int bc;
    int cc;
} mergeT;
/* One step of MERGE from *at, which starts at all zeros: writes c[at->cc] and advances *at.
 * Returns 0, doing nothing, once nc elements are written or both inputs are spent. */
int MERGE_STEP(const int a[], int na, const int b[], int nb, int c[], int nc, mergeT *at);
/* Prints " name:" on a line, then the elements; an empty array shows only the label and end. */
void PRINT_ARRAY(const char *name, const int x[], int nx);
