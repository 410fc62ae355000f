/* The two-stack buffer as bufdemo draws it: each stack from bottom to top, with its depth. */
#include "buffers/bufview.h"
#include "buffers/pilerow_internal.h"
#include "support/charstack_internal.h"

/* label is name as the text shows it, its colon aligned with the other stack's. */
static void DrawStack(viewT *view, const char *name, const char *label, stackADT stack,
                      const char *note) {
    ViewText(view, "  %s bottom ", label);
    ViewOpen(view, nullptr, '{');
    ViewString(view, "name", name);
    DrawCells(view, "cells", stack->elements, stack->depth);
    ViewText(view, " top, depth %d%s\n", stack->depth, note);
    ViewNumber(view, "depth", stack->depth);
    ViewNumber(view, "capacity", stack->capacity);
    ViewClose(view);
}

/* A stack holds its spare slots too: its array doubles when it fills. */
void DrawBuffer(bufferADT buffer, viewT *view) {
    ViewOpen(view, nullptr, '{');
    DrawHeading(view, "pilerow", "stacks");
    ViewOpen(view, "stacks", '[');
    DrawStack(view, "before", "before:", buffer->before, ", takes the next character");
    DrawStack(view, "after", "after: ", buffer->after, "");
    ViewClose(view);
    recordTallyT tallies[] = {
        {"record", 1, sizeof(bufferCDT)},
        {"stack", 2, sizeof(stackCDT)},
        {"slot", buffer->before->capacity + buffer->after->capacity, sizeof(stackElementT)},
    };
    DrawBytes(view, tallies, 3, buffer->before->depth + buffer->after->depth);
    ViewClose(view);
}
