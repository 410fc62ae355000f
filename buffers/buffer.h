/*
 * buffer.h: an editor buffer, one line of text with a cursor between characters.
 *
 * The cursor is the number of characters before it: 0 is before the first character, the
 * text's length after the last. Four modules implement this interface (gridrow, pilerow,
 * chainrow, chunkrow); a program links exactly one of them. The handle is opaque and owned by
 * the caller from NewBuffer until FreeBuffer.
 */
#ifndef WORKBENCH_BUFFERS_BUFFER_H
#define WORKBENCH_BUFFERS_BUFFER_H

#ifdef __cplusplus
extern "C" {
#endif

typedef struct bufferCDT *bufferADT;

/* Returns a new empty buffer with the cursor at 0. Never returns null. */
bufferADT NewBuffer(void);

/* Frees all storage of the buffer; the handle is dead afterwards. */
void FreeBuffer(bufferADT buffer);

/* One character towards the end; at the end nothing changes (chunkrow says so). */
void MoveCursorForward(bufferADT buffer);

/* One character towards the start; at the start nothing changes (chunkrow says so). */
void MoveCursorBackward(bufferADT buffer);

/* Puts the cursor at 0. */
void MoveCursorToStart(bufferADT buffer);

/* Puts the cursor after the last character. */
void MoveCursorToEnd(bufferADT buffer);

/*
 * Inserts ch at the cursor and leaves the cursor just after it. gridrow holds 100
 * characters: one more ends the program through Error("Buffer size exceeded"), buffer unchanged.
 */
void InsertCharacter(bufferADT buffer, char ch);

/* Removes the character just after the cursor; the cursor stays; at the end nothing changes. */
void DeleteCharacter(bufferADT buffer);

/*
 * Prints " c" for each character, a line end, two blanks for each character before the
 * cursor, then "^" and a line end.
 */
void DisplayBuffer(bufferADT buffer);

#ifdef __cplusplus
}
#endif

#endif
