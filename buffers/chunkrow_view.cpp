/* The block-list buffer as bufdemo -i draws it: the blocks in order, each with its count and
 * offset, a caret after the cursor block. */
#include <cstdio>

#include "buffers/bufview.h"
#include "buffers/chunkrow_internal.h"

void DrawBuffer(bufferADT buffer) {
    long blocks = 0;
    long characters = 0;
    printf("  blocks:");
    for (blockT *block = buffer->first; block != nullptr; block = block->next) {
        printf(block == buffer->first ? " [" : " <-> [");
        for (int i = 0; i < block->count; i++)
            putchar(block->chars[i]);
        printf("]%s count %d offset %d", block == buffer->cursor ? "^" : "", block->count,
               block->offset);
        blocks++;
        characters += block->count;
    }
    putchar('\n');
    recordTallyT tallies[] = {{"record", 1, sizeof(bufferCDT)}, {"block", blocks, sizeof(blockT)}};
    DrawBytes(tallies, 2, characters);
}
