/*
 * echo.h: how a client that reads a command language shows each line it runs, so that a
 * transcript reads as the script that made it.
 */
#ifndef WORKBENCH_CHECK_ECHO_H
#define WORKBENCH_CHECK_ECHO_H

#include "check/text.h"

#ifdef __cplusplus
extern "C" {
#endif

/*
 * Appends "> ", the line and a line end. Each byte of the line that would not show as itself is
 * written as AppendEscaped writes it, but a backslash stays one backslash: a line written with
 * escapes shows as it was written, and one holding the bytes themselves shows the same way.
 */
void AppendEcho(textT *t, const char *line);

/* Writes the line's echo on standard output before the command runs, so that it shows even when
 * the module ends the program in it. */
void PrintEcho(const char *line);

#ifdef __cplusplus
}
#endif

#endif
