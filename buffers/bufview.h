/*
 * bufview.h: bufdemo's drawing of the records behind a buffer (bufdemo -i). Each module has its
 * own unit defining DrawBuffer through the module's internal header, linked into that module's
 * bufdemo only, so the module archives export nothing more. Not installed.
 */
#ifndef WORKBENCH_BUFFERS_BUFVIEW_H
#define WORKBENCH_BUFFERS_BUFVIEW_H

#include <stddef.h>

#include "buffers/buffer.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Prints the records behind buffer in a few lines, the last one the bytes they hold. */
void DrawBuffer(bufferADT buffer);

/* One kind of record: how many there are and the size of each; name is singular ("cell"). */
typedef struct {
    const char *name;
    long count;
    size_t size;
} recordTallyT;

/*
 * Prints "  bytes: 1 record x 16 + 6 cells x 16 = 112 for 5 characters": the records' own
 * sizes, allocator overhead aside, so that the cost per character can be compared.
 */
void DrawBytes(const recordTallyT *tallies, int kinds, long characters);

/* Prints n characters as the cells of an array, "|a|b|c|" ("|" when n is 0). */
void DrawCells(const char *chars, int n);

#ifdef __cplusplus
}
#endif

#endif
