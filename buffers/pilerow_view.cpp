/* The two-stack buffer as bufdemo -i draws it: each stack from bottom to top, with its depth. */
#include <cstdio>

#include "buffers/bufview.h"
#include "buffers/pilerow_internal.h"
#include "support/charstack_internal.h"

static void DrawStack(const char *label, stackADT stack, const char *note) {
    printf("  %s bottom ", label);
    DrawCells(stack->elements, stack->depth);
    printf(" top, depth %d%s\n", stack->depth, note);
}

/* A stack holds its spare slots too: its array doubles when it fills. */
void DrawBuffer(bufferADT buffer) {
    DrawStack("before:", buffer->before, ", takes the next character");
    DrawStack("after: ", buffer->after, "");
    recordTallyT tallies[] = {
        {"record", 1, sizeof(bufferCDT)},
        {"stack", 2, sizeof(stackCDT)},
        {"slot", buffer->before->capacity + buffer->after->capacity, sizeof(stackElementT)},
    };
    DrawBytes(tallies, 3, buffer->before->depth + buffer->after->depth);
}
