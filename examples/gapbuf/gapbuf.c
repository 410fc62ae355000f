/*
 * gapbuf.c -- the editor buffer of buffer.h as a gap buffer.
 *
 * The text lives in one array with a hole (the gap) at the cursor:
 *
 *     | a | b | c |   gap   | d | e |
 *                 ^ gapStart ^ gapEnd
 *
 * Typing fills the gap from the left and deleting widens it on the right, so both cost O(1).
 * Moving the cursor moves one character across the gap. When the gap is used up the array
 * doubles, so typing stays O(1) on average.
 *
 * Build and check it with:  workbench check-buffer gapbuf.c
 */
#include <stdio.h>
#include <string.h>

#include <buffers/buffer.h>
#include <support/genlib.h>

#define INITIAL_SIZE 16

struct bufferCDT {
    char *chars; /* size cells: text before the gap, the gap, text after the gap */
    int size;
    int gapStart; /* the cursor: cells 0 .. gapStart-1 are the text before it */
    int gapEnd;   /* cells gapEnd .. size-1 are the text after it */
};

bufferADT NewBuffer(void) {
    bufferADT buffer = GetBlock(sizeof(struct bufferCDT));
    buffer->chars = GetBlock(INITIAL_SIZE);
    buffer->size = INITIAL_SIZE;
    buffer->gapStart = 0;
    buffer->gapEnd = INITIAL_SIZE;
    return buffer;
}

void FreeBuffer(bufferADT buffer) {
    FreeBlock(buffer->chars);
    FreeBlock(buffer);
}

/* Doubles the array; the text after the gap moves to the end of the new one. */
static void Grow(bufferADT buffer) {
    int newSize = buffer->size * 2;
    int after = buffer->size - buffer->gapEnd;
    char *chars = GetBlock(newSize);
    memcpy(chars, buffer->chars, buffer->gapStart);
    memcpy(chars + newSize - after, buffer->chars + buffer->gapEnd, after);
    FreeBlock(buffer->chars);
    buffer->chars = chars;
    buffer->gapEnd = newSize - after;
    buffer->size = newSize;
}

void MoveCursorForward(bufferADT buffer) {
    if (buffer->gapEnd < buffer->size) {
        buffer->chars[buffer->gapStart] = buffer->chars[buffer->gapEnd];
        buffer->gapStart++;
        buffer->gapEnd++;
    }
}

void MoveCursorBackward(bufferADT buffer) {
    if (buffer->gapStart > 0) {
        buffer->gapStart--;
        buffer->gapEnd--;
        buffer->chars[buffer->gapEnd] = buffer->chars[buffer->gapStart];
    }
}

/* A jump moves everything before the cursor across the gap at once. */
void MoveCursorToStart(bufferADT buffer) {
    int n = buffer->gapStart;
    memmove(buffer->chars + buffer->gapEnd - n, buffer->chars, n);
    buffer->gapStart = 0;
    buffer->gapEnd -= n;
}

void MoveCursorToEnd(bufferADT buffer) {
    int n = buffer->size - buffer->gapEnd;
    memmove(buffer->chars + buffer->gapStart, buffer->chars + buffer->gapEnd, n);
    buffer->gapStart += n;
    buffer->gapEnd = buffer->size;
}

void InsertCharacter(bufferADT buffer, char ch) {
    if (buffer->gapStart == buffer->gapEnd) Grow(buffer);
    buffer->chars[buffer->gapStart] = ch;
    buffer->gapStart++;
}

void DeleteCharacter(bufferADT buffer) {
    if (buffer->gapEnd < buffer->size) buffer->gapEnd++;
}

void DisplayBuffer(bufferADT buffer) {
    int i;
    for (i = 0; i < buffer->gapStart; i++)
        printf(" %c", buffer->chars[i]);
    for (i = buffer->gapEnd; i < buffer->size; i++)
        printf(" %c", buffer->chars[i]);
    printf("\n");
    for (i = 0; i < buffer->gapStart; i++)
        printf("  ");
    printf("^\n");
}
