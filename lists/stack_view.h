/*
 * stack_view.h: intstack's drawing of its stack (intstack -i, -j FILE), read from stack and
 * top as the program's own units read them, through support/view.h. Not installed.
 *
 * Text, one line: "  push 7: bottom |1|2|7| top, depth 3, capacity 10" (also "pop 7",
 * "pop, nothing to pop" and "grow"). Description, one object a drawing:
 *   {"kind":"stack","op":"push"|"pop"|"grow","value":7,"cells":[1,2,7],"depth":3,
 *    "capacity":10}
 * cells from the bottom (index 0) to the top; "value" is the number pushed or popped, absent
 * for a growth and for a pop that found the stack empty.
 */
#ifndef WORKBENCH_LISTS_STACK_VIEW_H
#define WORKBENCH_LISTS_STACK_VIEW_H

#include "support/view.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef enum { StackPushed, StackPopped, StackPoppedEmpty, StackGrown } stackOpT;

/* Draws the stack as it stands after op; value is what was pushed or popped. */
void DrawStack(viewT *view, stackOpT op, int value);

#ifdef __cplusplus
}
#endif

#endif
