/* The array buffer as bufdemo -i draws it: the cells in use, the length, cursor and capacity. */
#include <cstdio>

#include "buffers/bufview.h"
#include "buffers/gridrow_internal.h"

void DrawBuffer(bufferADT buffer) {
    printf("  array: ");
    DrawCells(buffer->text, buffer->length);
    printf("  length %d, cursor %d, capacity %d\n", buffer->length, buffer->cursor, BufferCapacity);
    recordTallyT record = {"record", 1, sizeof(bufferCDT)};
    DrawBytes(&record, 1, buffer->length);
}
