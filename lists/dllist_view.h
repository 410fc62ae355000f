/*
 * dllist_view.h: ringdemo's drawing of the ring list, read from front and rear as the list's
 * own operations read them, through support/view.h. Not installed.
 *
 * Text, one line: the nodes from front along the next links, each with its word if it has
 * one, then where the links at the ends point, which is what makes the list a ring:
 *   "  ring: front [0] <-> [1:one] <-> [2] rear, 3 nodes; rear.next [0], front.prev [2]"
 *   "  ring: empty, front null, rear null"
 * Description, one object a drawing:
 *   {"kind":"ring","command":"A","value":1,"cells":[{"value":0,"word":""},...],"length":3,
 *    "closed":true}
 * cells from front to rear; "closed" is false when some prev link disagrees with the next
 * links or the ends do not meet, which the text then says too. "value" is absent for the
 * commands without a number.
 */
#ifndef WORKBENCH_LISTS_DLLIST_VIEW_H
#define WORKBENCH_LISTS_DLLIST_VIEW_H

#include "support/view.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Draws the ring as it stands after command; hasValue tells whether value goes with it. */
void DrawRing(viewT *view, char command, int hasValue, int value);

#ifdef __cplusplus
}
#endif

#endif
