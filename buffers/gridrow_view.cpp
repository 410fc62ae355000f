/* The array buffer as bufdemo draws it: the cells in use, the length, cursor and capacity. */
#include "buffers/bufview.h"
#include "buffers/gridrow_internal.h"

void DrawBuffer(bufferADT buffer, viewT *view) {
    ViewOpen(view, nullptr, '{');
    DrawHeading(view, "gridrow", "array");
    ViewText(view, "  array: ");
    DrawCells(view, "cells", buffer->text, buffer->length);
    ViewText(view, "  length %d, cursor %d, capacity %d\n", buffer->length, buffer->cursor,
             BufferCapacity);
    ViewNumber(view, "length", buffer->length);
    ViewNumber(view, "cursor", buffer->cursor);
    ViewNumber(view, "capacity", BufferCapacity);
    recordTallyT record = {"record", 1, sizeof(bufferCDT)};
    DrawBytes(view, &record, 1, buffer->length);
    ViewClose(view);
}
