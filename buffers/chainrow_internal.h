/*
 * chainrow_internal.h: the records behind chainrow's handle, shared by the module, its own
 * tests and bufdemo's drawing of it only. Not installed.
 */
#ifndef WORKBENCH_BUFFERS_CHAINROW_INTERNAL_H
#define WORKBENCH_BUFFERS_CHAINROW_INTERNAL_H

#include "buffers/buffer.h"

typedef struct cellT {
    char ch;
    struct cellT *link; /* null after the last character */
} cellT;

struct bufferCDT {
    cellT *start;  /* dummy cell heading the list; its ch is never used */
    cellT *cursor; /* cell just before the cursor: the dummy cell at position 0 */
};

#endif
