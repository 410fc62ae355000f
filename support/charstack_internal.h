/*
 * charstack_internal.h: the record behind a character stack's handle, shared by the stack and
 * bufdemo's drawing of the two-stack buffer only. Not installed.
 */
#ifndef WORKBENCH_SUPPORT_CHARSTACK_INTERNAL_H
#define WORKBENCH_SUPPORT_CHARSTACK_INTERNAL_H

#include "support/charstack.h"

struct stackCDT {
    stackElementT *elements; /* bottom at index 0, top at depth - 1 */
    int depth;
    int capacity; /* elements holds capacity slots */
};

#endif
