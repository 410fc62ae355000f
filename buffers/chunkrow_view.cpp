/* The block-list buffer as bufdemo draws it: the blocks in order, each with its count and
 * offset, a caret after the cursor block; its description gives the cursor block's index. */
#include "buffers/bufview.h"
#include "buffers/chunkrow_internal.h"

void DrawBuffer(bufferADT buffer, viewT *view) {
    long blocks = 0;
    long characters = 0;
    long cursor = 0;
    ViewOpen(view, nullptr, '{');
    DrawHeading(view, "chunkrow", "blocks");
    ViewText(view, "  blocks:");
    ViewOpen(view, "blocks", '[');
    for (blockT *block = buffer->first; block != nullptr; block = block->next, blocks++) {
        ViewText(view, block == buffer->first ? " [" : " <-> [");
        ViewOpen(view, nullptr, '{');
        ViewOpen(view, "cells", '[');
        for (int i = 0; i < block->count; i++) {
            ViewText(view, "%c", block->chars[i]);
            ViewChar(view, nullptr, block->chars[i]);
        }
        ViewClose(view);
        ViewText(view, "]%s count %d offset %d", block == buffer->cursor ? "^" : "", block->count,
                 block->offset);
        ViewNumber(view, "count", block->count);
        ViewNumber(view, "offset", block->offset);
        ViewClose(view);
        if (block == buffer->cursor) cursor = blocks;
        characters += block->count;
    }
    ViewClose(view);
    ViewText(view, "\n");
    ViewNumber(view, "cursor", cursor);
    ViewNumber(view, "capacity", BlockCapacity);
    recordTallyT tallies[] = {{"record", 1, sizeof(bufferCDT)}, {"block", blocks, sizeof(blockT)}};
    DrawBytes(view, tallies, 2, characters);
    ViewClose(view);
}
