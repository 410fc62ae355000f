/* pilerow: the editor buffer as two character stacks that meet at the cursor. */
#include <cstdio>

#include "buffers/display_line.h"
#include "buffers/pilerow_internal.h"
#include "support/genlib.h"

bufferADT NewBuffer(void) {
    bufferADT buffer = static_cast<bufferADT>(GetBlock(sizeof(bufferCDT)));
    buffer->before = NewStack();
    buffer->after = NewStack();
    return buffer;
}

void FreeBuffer(bufferADT buffer) {
    FreeStack(buffer->before);
    FreeStack(buffer->after);
    FreeBlock(buffer);
}

/* Moves one character across the cursor, if there is one to move. */
static void Shift(stackADT from, stackADT to) {
    if (!StackIsEmpty(from)) Push(to, Pop(from));
}

void MoveCursorForward(bufferADT buffer) {
    Shift(buffer->after, buffer->before);
}

void MoveCursorBackward(bufferADT buffer) {
    Shift(buffer->before, buffer->after);
}

void MoveCursorToStart(bufferADT buffer) {
    while (!StackIsEmpty(buffer->before))
        Shift(buffer->before, buffer->after);
}

void MoveCursorToEnd(bufferADT buffer) {
    while (!StackIsEmpty(buffer->after))
        Shift(buffer->after, buffer->before);
}

void InsertCharacter(bufferADT buffer, char ch) {
    Push(buffer->before, ch);
}

void DeleteCharacter(bufferADT buffer) {
    if (!StackIsEmpty(buffer->after)) Pop(buffer->after);
}

void DisplayBuffer(bufferADT buffer) {
    displayBlockT line;
    char *at = line.text;
    int before = StackDepth(buffer->before);
    int after = StackDepth(buffer->after);
    for (int i = before - 1; i >= 0; i--)
        at = PutDisplayCharacter(&line, at, GetStackElement(buffer->before, i));
    for (int i = 0; i < after; i++)
        at = PutDisplayCharacter(&line, at, GetStackElement(buffer->after, i));
    at = EndDisplayText(&line, at);
    at = PutDisplayGaps(&line, at, before);
    EndDisplay(&line, at);
}
