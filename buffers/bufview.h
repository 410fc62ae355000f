/*
 * bufview.h: bufdemo's drawing of the records behind a buffer, as text (bufdemo -i) and as a
 * JSON description (bufdemo -j), both from one walk through support/view.h. Each module has its
 * own unit defining DrawBuffer through the module's internal header, linked into that module's
 * bufdemo only, so the module archives export nothing more. Not installed.
 */
#ifndef WORKBENCH_BUFFERS_BUFVIEW_H
#define WORKBENCH_BUFFERS_BUFVIEW_H

#include <stddef.h>

#include "buffers/buffer.h"
#include "support/view.h"

#ifdef __cplusplus
extern "C" {
#endif

/*
 * Draws the records behind buffer: as text, a few lines, the last one the bytes they hold; as
 * data, one object {"module", "kind", the records by kind, "bytes"}.
 */
void DrawBuffer(bufferADT buffer, viewT *view);

/* One kind of record: how many there are and the size of each; name is singular ("cell"). */
typedef struct {
    const char *name;
    long count;
    size_t size;
} recordTallyT;

/*
 * Draws "  bytes: 1 record x 16 + 6 cells x 16 = 112 for 5 characters", and the member
 * "bytes": {"records": [{"name", "count", "size"}...], "total", "characters"}: the records' own
 * sizes, allocator overhead aside, so that the cost per character can be compared.
 */
void DrawBytes(viewT *view, const recordTallyT *tallies, int kinds, long characters);

/* Draws n characters as the cells of an array, "|a|b|c|" ("|" when n is 0), and as the member
 * key holding them, ["a", "b", "c"]. */
void DrawCells(viewT *view, const char *key, const char *chars, int n);

/* The first members of every buffer's description. */
void DrawHeading(viewT *view, const char *module, const char *kind);

#ifdef __cplusplus
}
#endif

#endif
