/* stack_view: the stack's cells in use, its depth and its capacity, after each change. */
#include "lists/stack_view.h"

#include "lists/stack.h"

void DrawStack(viewT *view, stackOpT op, int value) {
    static const char *const names[] = {"push", "pop", "pop", "grow"};
    ViewOpen(view, nullptr, '{');
    ViewString(view, "kind", "stack");
    ViewString(view, "op", names[op]);
    if (op == StackPushed || op == StackPopped) {
        ViewText(view, "  %s %d:", names[op], value);
        ViewNumber(view, "value", value);
    } else {
        ViewText(view, "  %s:", op == StackGrown ? "grow" : "pop, nothing to pop");
    }
    /* top, not count, bounds the cells: it is the index the operations store at. */
    ViewText(view, " bottom |");
    ViewOpen(view, "cells", '[');
    for (int i = 0; i <= top; i++) {
        ViewText(view, "%d|", stack->num[i]);
        ViewNumber(view, nullptr, stack->num[i]);
    }
    ViewClose(view);
    ViewText(view, " top, depth %d, capacity %d\n", top + 1, stack->len);
    ViewNumber(view, "depth", top + 1);
    ViewNumber(view, "capacity", stack->len);
    ViewClose(view);
}
