/*
 * pilerow_internal.h: the record behind pilerow's handle, shared by the module, its own
 * tests and bufdemo's drawing of it only. Not installed.
 */
#ifndef WORKBENCH_BUFFERS_PILEROW_INTERNAL_H
#define WORKBENCH_BUFFERS_PILEROW_INTERNAL_H

#include "buffers/buffer.h"
#include "support/charstack.h"

/* Two stacks that meet at the cursor: the cursor is the depth of before. */
struct bufferCDT {
    stackADT before; /* top: the character just before the cursor */
    stackADT after;  /* top: the character just after the cursor */
};

#endif
