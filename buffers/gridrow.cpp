/* gridrow: the editor buffer as a fixed array of characters. */
#include <cstdio>
#include <cstring>

#include "buffers/display_line.h"
#include "buffers/gridrow_internal.h"
#include "support/genlib.h"

bufferADT NewBuffer(void) {
    bufferADT buffer = static_cast<bufferADT>(GetBlock(sizeof(bufferCDT)));
    buffer->length = 0;
    buffer->cursor = 0;
    return buffer;
}

void FreeBuffer(bufferADT buffer) {
    FreeBlock(buffer);
}

void MoveCursorForward(bufferADT buffer) {
    if (buffer->cursor < buffer->length) buffer->cursor++;
}

void MoveCursorBackward(bufferADT buffer) {
    if (buffer->cursor > 0) buffer->cursor--;
}

void MoveCursorToStart(bufferADT buffer) {
    buffer->cursor = 0;
}

void MoveCursorToEnd(bufferADT buffer) {
    buffer->cursor = buffer->length;
}

void InsertCharacter(bufferADT buffer, char ch) {
    if (buffer->length == BufferCapacity) Error("Buffer size exceeded");
    char *at = buffer->text + buffer->cursor;
    memmove(at + 1, at, static_cast<size_t>(buffer->length - buffer->cursor));
    *at = ch;
    buffer->length++;
    buffer->cursor++;
}

void DeleteCharacter(bufferADT buffer) {
    if (buffer->cursor >= buffer->length) return;
    char *at = buffer->text + buffer->cursor;
    memmove(at, at + 1, static_cast<size_t>(buffer->length - buffer->cursor - 1));
    buffer->length--;
}

void DisplayBuffer(bufferADT buffer) {
    displayBlockT line;
    char *at = line.text;
    for (int i = 0; i < buffer->length; i++)
        at = PutDisplayCharacter(&line, at, buffer->text[i]);
    at = EndDisplayText(&line, at);
    at = PutDisplayGaps(&line, at, buffer->cursor);
    EndDisplay(&line, at);
}
