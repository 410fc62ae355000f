/* chainrow: the editor buffer as a singly linked list of cells headed by a dummy cell. */
#include <cstdio>

#include "buffers/chainrow_internal.h"
#include "buffers/display_line.h"
#include "support/genlib.h"

static cellT *NewCell(char ch, cellT *link) {
    cellT *cell = static_cast<cellT *>(GetBlock(sizeof(cellT)));
    cell->ch = ch;
    cell->link = link;
    return cell;
}

bufferADT NewBuffer(void) {
    bufferADT buffer = static_cast<bufferADT>(GetBlock(sizeof(bufferCDT)));
    buffer->start = NewCell('\0', nullptr);
    buffer->cursor = buffer->start;
    return buffer;
}

void FreeBuffer(bufferADT buffer) {
    cellT *cell = buffer->start;
    while (cell != nullptr) {
        cellT *next = cell->link;
        FreeBlock(cell);
        cell = next;
    }
    FreeBlock(buffer);
}

void MoveCursorForward(bufferADT buffer) {
    if (buffer->cursor->link != nullptr) buffer->cursor = buffer->cursor->link;
}

/* Cells know only their successor, so stepping back means walking from the head. */
void MoveCursorBackward(bufferADT buffer) {
    if (buffer->cursor == buffer->start) return;
    cellT *cell = buffer->start;
    while (cell->link != buffer->cursor)
        cell = cell->link;
    buffer->cursor = cell;
}

void MoveCursorToStart(bufferADT buffer) {
    buffer->cursor = buffer->start;
}

void MoveCursorToEnd(bufferADT buffer) {
    while (buffer->cursor->link != nullptr)
        MoveCursorForward(buffer);
}

void InsertCharacter(bufferADT buffer, char ch) {
    cellT *cell = NewCell(ch, buffer->cursor->link);
    buffer->cursor->link = cell;
    buffer->cursor = cell;
}

void DeleteCharacter(bufferADT buffer) {
    cellT *doomed = buffer->cursor->link;
    if (doomed == nullptr) return;
    buffer->cursor->link = doomed->link;
    FreeBlock(doomed);
}

/* One walk serves both lines: the cursor's cell tells how many characters come before it. */
void DisplayBuffer(bufferADT buffer) {
    displayBlockT line;
    char *at = line.text;
    int before = 0;
    int count = 0;
    for (cellT *cell = buffer->start->link; cell != nullptr; cell = cell->link) {
        at = PutDisplayCharacter(&line, at, cell->ch);
        count++;
        if (cell == buffer->cursor) before = count;
    }
    at = EndDisplayText(&line, at);
    at = PutDisplayGaps(&line, at, before);
    EndDisplay(&line, at);
}
