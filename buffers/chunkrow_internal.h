/*
 * chunkrow_internal.h: the records behind chunkrow's handle, shared by the module, its own
 * tests and bufdemo's drawing of it only. Not installed.
 *
 * Invariants every operation keeps: there is at least one block; only the first block may be
 * empty, and only while the text is empty; blocks before the cursor block have offset == count,
 * blocks after it offset 0.
 */
#ifndef WORKBENCH_BUFFERS_CHUNKROW_INTERNAL_H
#define WORKBENCH_BUFFERS_CHUNKROW_INTERNAL_H

#include "buffers/buffer.h"

enum { BlockCapacity = 4 };

typedef struct blockT {
    char chars[BlockCapacity]; /* the block's text is the first count cells */
    int count;
    int offset; /* in the cursor block: how many of its characters lie before the cursor */
    struct blockT *prev;
    struct blockT *next;
} blockT;

struct bufferCDT {
    blockT *first;
    blockT *cursor; /* the block that holds the cursor */
    blockT *last;
};

#endif
