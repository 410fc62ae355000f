/*
 * linkqueue_view.h: linkqueue's drawing of its queue (linkqueue -i, -j FILE), read from front
 * and rear as the program's own operations read them, through support/view.h. Not installed.
 *
 * Text, one line, on a line of its own: "  insert 5: front [5] <-> [19] rear, 2 nodes", or
 * "  remove 2: front null, rear null, empty". Description, one object a drawing:
 *   {"kind":"queue","op":"insert"|"remove","value":5,"cells":[5,19],"length":2,
 *    "linked":true}
 * cells from front to rear along the right links; "linked" is false when a left link or rear
 * does not agree with that walk, which the text then says too.
 */
#pragma once

#include "support/view.h"

typedef enum { QueueInserted, QueueRemoved } queueOpT;

/* Draws the queue as it stands after op; value is what was inserted or removed. */
void DrawQueue(viewT *view, queueOpT op, int value);
