/*
 * buffer_script.h: the editor buffer's edit scripts, a short form of bufdemo's commands in which
 * each character is one operation: < > [ ] # are B F J E D and any other character is typed,
 * a run of them as one I command. The checker's cases and the buffer tests are written in it.
 */
#ifndef WORKBENCH_CHECK_BUFFER_SCRIPT_H
#define WORKBENCH_CHECK_BUFFER_SCRIPT_H

#include "check/text.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Appends the script's bufdemo lines to lines, each with its line end. With a capacity (0 for
 * none), a character that would overfill the buffer is left out. */
void EditScriptLines(const char *script, int capacity, textT *lines);

#ifdef __cplusplus
}
#endif

#endif
