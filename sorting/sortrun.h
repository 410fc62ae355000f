/* The sorting routines of sortrun and sortrun-compact. */
#pragma once

/* A pseudo-random int in a..b from rand(); a must not be greater than b. */
int rand_int(int a, int b);
/* Fills x[0..n) with pseudo-random values from 30 to 100. */
void set_array_rand(int x[], int n);
/* Sorts x[0..n) ascending by selection. */
void SELECTION_SORT(int x[], int n);
/*
 * Merges sorted a and b into c, taking a's element first among equals. Writes at most nc
 * elements and never more than na + nb, so no input is read past its end whatever nc is.
 */
void MERGE(const int a[], int na, const int b[], int nb, int c[], int nc);
/* Prints " name:" on a line, then the elements; an empty array shows only the label and end. */
void PRINT_ARRAY(const char *name, const int x[], int nx);
