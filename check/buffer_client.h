/*
 * buffer_client.h: bufdemo's command language over the editor buffer (buffers/buffer.h), one
 * input line at a time:
 *   I<text>  insert the characters of <text> at the cursor
 *   F / B    move the cursor one character forward / backward
 *   J / E    jump to the start / end of the text
 *   D        delete the character after the cursor
 *   N        give the buffer back with FreeBuffer and start a fresh one with NewBuffer
 * Each line is echoed as "> " and the line; after each command the buffer is displayed. Any
 * other first letter prints "Unknown command 'X'". An empty line is skipped unechoed.
 */
#ifndef WORKBENCH_CHECK_BUFFER_CLIENT_H
#define WORKBENCH_CHECK_BUFFER_CLIENT_H

#ifndef __cplusplus
#include <stdbool.h>
#endif

#include "buffers/buffer.h"
#include "check/client.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Runs one command on *buffer, with no echo and no display; false for a letter that names
 * none (then nothing is run). */
bool BufferCommand(bufferADT *buffer, const char *line);

/* Runs one line on *buffer as bufdemo does; returns true when the buffer was displayed after
 * it. */
bool BufferLine(bufferADT *buffer, const char *line);

#ifdef __cplusplus
}
#endif

#endif
