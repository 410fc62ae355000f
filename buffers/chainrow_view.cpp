/* The singly linked buffer as bufdemo draws it: the chain from the dummy cell, a caret after
 * the cursor cell; its description counts the cells before the cursor (0: the dummy cell). */
#include "buffers/bufview.h"
#include "buffers/chainrow_internal.h"

void DrawBuffer(bufferADT buffer, viewT *view) {
    long cells = 1;
    long cursor = 0;
    ViewOpen(view, nullptr, '{');
    DrawHeading(view, "chainrow", "chain");
    ViewText(view, "  chain: [dummy]%s", buffer->cursor == buffer->start ? "^" : "");
    ViewOpen(view, "cells", '[');
    for (cellT *cell = buffer->start->link; cell != nullptr; cell = cell->link, cells++) {
        ViewText(view, "->[%c]%s", cell->ch, cell == buffer->cursor ? "^" : "");
        ViewChar(view, nullptr, cell->ch);
        if (cell == buffer->cursor) cursor = cells;
    }
    ViewClose(view);
    ViewText(view, "->null\n");
    ViewNumber(view, "cursor", cursor);
    recordTallyT tallies[] = {{"record", 1, sizeof(bufferCDT)}, {"cell", cells, sizeof(cellT)}};
    DrawBytes(view, tallies, 2, cells - 1);
    ViewClose(view);
}
