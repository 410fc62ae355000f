/*
 * sort_view.h: sortrun's drawing of its arrays as they are sorted and merged (sortrun -i, -j
 * FILE), read from the arrays main holds, through support/view.h. Not installed.
 *
 * Text, one line a drawing:
 *   "  a filled: 63 49 ..."                             the values as drawn
 *   "  a pass 1: 30 from a[12] to a[0]: 30 | 49 ..."    after each selection pass: the smallest
 *                                                       left, where it was and where it went;
 *                                                       "|" ends the part in its final order
 *   "  merge c[0] = 30 from a[0]"                       after each merge step
 * Description, one object a drawing:
 *   {"kind":"sort","phase":"fill","array":"a","cells":[63,49,...]}
 *   {"kind":"sort","phase":"select","array":"a","pass":1,"from":12,"to":0,"value":30,
 *    "sorted":1,"cells":[30,49,...]}
 *   {"kind":"sort","phase":"merge","step":1,"from":"a","index":0,"value":30,
 *    "taken":{"a":1,"b":0},"a":[...],"b":[...],"cells":[30]}
 * "sorted" counts the cells in their final place; a merge step's "cells" are c so far, its
 * "a" and "b" the sorted inputs, of which "taken" have been copied.
 */
#ifndef WORKBENCH_SORTING_SORT_VIEW_H
#define WORKBENCH_SORTING_SORT_VIEW_H

#include "sorting/sortrun.h"
#include "support/view.h"

/* Draws the n values of the array called name as they were drawn. */
void DrawFilled(viewT *view, const char *name, const int x[], int n);

/* Draws x after its selection pass k, which brought x[k] from x[from]. */
void DrawPass(viewT *view, const char *name, const int x[], int n, int k, int from);

/* Draws the merge after the step that brought *at to where it is, from a when fromA, else from
 * b. */
void DrawMergeStep(viewT *view, const int a[], int na, const int b[], int nb, const int c[],
                   const mergeT *at, bool fromA);

#endif
