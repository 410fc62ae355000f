/* The singly linked buffer as bufdemo -i draws it: the chain from the dummy cell, a caret after
 * the cursor cell. */
#include <cstdio>

#include "buffers/bufview.h"
#include "buffers/chainrow_internal.h"

void DrawBuffer(bufferADT buffer) {
    long cells = 1;
    printf("  chain: [dummy]%s", buffer->cursor == buffer->start ? "^" : "");
    for (cellT *cell = buffer->start->link; cell != nullptr; cell = cell->link, cells++)
        printf("->[%c]%s", cell->ch, cell == buffer->cursor ? "^" : "");
    puts("->null");
    recordTallyT tallies[] = {{"record", 1, sizeof(bufferCDT)}, {"cell", cells, sizeof(cellT)}};
    DrawBytes(tallies, 2, cells - 1);
}
