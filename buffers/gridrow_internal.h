/*
 * gridrow_internal.h: the record behind gridrow's handle, shared by the module and bufdemo's
 * drawing of it only. Not installed.
 */
#ifndef WORKBENCH_BUFFERS_GRIDROW_INTERNAL_H
#define WORKBENCH_BUFFERS_GRIDROW_INTERNAL_H

#include "buffers/buffer.h"

enum { BufferCapacity = 100 };

struct bufferCDT {
    char text[BufferCapacity]; /* the text is the first length cells; no terminating NUL */
    int length;
    int cursor; /* 0 to length */
};

#endif
