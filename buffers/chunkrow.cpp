/* chunkrow: the editor buffer as a doubly linked list of blocks of up to four characters. */
#include <cstdio>

#include "buffers/chunkrow_internal.h"
#include "buffers/display_line.h"
#include "support/genlib.h"

/* An empty block linked in after block (or as the only block when block is null). */
static blockT *NewBlockAfter(bufferADT buffer, blockT *block) {
    blockT *fresh = static_cast<blockT *>(GetBlock(sizeof(blockT)));
    fresh->count = 0;
    fresh->offset = 0;
    fresh->prev = block;
    fresh->next = block == nullptr ? nullptr : block->next;
    if (block != nullptr) block->next = fresh;
    if (fresh->next != nullptr) {
        fresh->next->prev = fresh;
    } else {
        buffer->last = fresh;
    }
    return fresh;
}

static void UnlinkBlock(bufferADT buffer, blockT *block) {
    if (block->prev != nullptr) {
        block->prev->next = block->next;
    } else {
        buffer->first = block->next;
    }
    if (block->next != nullptr) {
        block->next->prev = block->prev;
    } else {
        buffer->last = block->prev;
    }
    FreeBlock(block);
}

bufferADT NewBuffer(void) {
    bufferADT buffer = static_cast<bufferADT>(GetBlock(sizeof(bufferCDT)));
    buffer->first = NewBlockAfter(buffer, nullptr);
    buffer->cursor = buffer->first;
    return buffer;
}

void FreeBuffer(bufferADT buffer) {
    blockT *block = buffer->first;
    while (block != nullptr) {
        blockT *next = block->next;
        FreeBlock(block);
        block = next;
    }
    FreeBlock(buffer);
}

void MoveCursorForward(bufferADT buffer) {
    blockT *block = buffer->cursor;
    if (block->offset < block->count) {
        block->offset++;
    } else if (block->next == nullptr) {
        puts("Already at end bro!");
    } else {
        buffer->cursor = block->next;
        buffer->cursor->offset = 1;
    }
}

void MoveCursorBackward(bufferADT buffer) {
    blockT *block = buffer->cursor;
    if (block->offset > 0) {
        block->offset--;
    } else if (block->prev == nullptr) {
        puts("Already at beginning bro!");
    } else {
        buffer->cursor = block->prev;
        buffer->cursor->offset--;
    }
}

void MoveCursorToEnd(bufferADT buffer) {
    blockT *block = buffer->cursor;
    for (; block->next != nullptr; block = block->next)
        block->offset = block->count;
    block->offset = block->count;
    buffer->cursor = block;
}

void MoveCursorToStart(bufferADT buffer) {
    blockT *block = buffer->cursor;
    for (; block != buffer->first; block = block->prev)
        block->offset = 0;
    block->offset = 0;
    buffer->cursor = block;
}

/*
 * Makes room for one character at the cursor. A full block with the cursor at its end gets a
 * fresh block after it, which takes over the cursor; a full block with the cursor inside is
 * split, the characters after the cursor moving to a new block right after it. Either way no
 * more than four characters move, whatever the length of the text.
 */
static void MakeRoom(bufferADT buffer) {
    blockT *block = buffer->cursor;
    if (block->count < BlockCapacity) return;
    blockT *fresh = NewBlockAfter(buffer, block);
    if (block->offset == block->count) {
        buffer->cursor = fresh;
        return;
    }
    for (int i = block->offset; i < block->count; i++)
        fresh->chars[fresh->count++] = block->chars[i];
    block->count = block->offset;
}

void InsertCharacter(bufferADT buffer, char ch) {
    MakeRoom(buffer);
    blockT *block = buffer->cursor;
    for (int i = block->count; i > block->offset; i--)
        block->chars[i] = block->chars[i - 1];
    block->chars[block->offset] = ch;
    block->count++;
    block->offset++;
}

/*
 * The character after the cursor is in the cursor block, or else first in the next block. A block
 * left empty goes, unless it is the only one; if it held the cursor, the cursor moves to the end
 * of the block before (or the start of the block after), which is the same text position.
 */
void DeleteCharacter(bufferADT buffer) {
    blockT *block = buffer->cursor;
    if (block->offset == block->count) block = block->next;
    if (block == nullptr) return;
    for (int i = block->offset + 1; i < block->count; i++)
        block->chars[i - 1] = block->chars[i];
    block->count--;
    if (block->count > 0 || buffer->first == buffer->last) return;
    if (block == buffer->cursor)
        buffer->cursor = block->prev != nullptr ? block->prev : block->next;
    UnlinkBlock(buffer, block);
}

void DisplayBuffer(bufferADT buffer) {
    displayBlockT line;
    char *at = line.text;
    for (blockT *block = buffer->first; block != nullptr; block = block->next)
        for (int i = 0; i < block->count; i++)
            at = PutDisplayCharacter(&line, at, block->chars[i]);
    at = EndDisplayText(&line, at);
    int before = buffer->cursor->offset;
    for (blockT *block = buffer->first; block != buffer->cursor; block = block->next)
        before += block->offset;
    at = PutDisplayGaps(&line, at, before);
    EndDisplay(&line, at);
}
