/*
 * client_loop.h: the one loop of every client program that reads an interface's command
 * language from standard input (siftdemo -c, bagdemo, wordpick -c).
 */
#ifndef WORKBENCH_CHECK_CLIENT_LOOP_H
#define WORKBENCH_CHECK_CLIENT_LOOP_H

#include <stdio.h>

#include "check/client.h"

#ifdef __cplusplus
extern "C" {
#endif

/*
 * Starts client, gives it each line of in (of any length, its line end removed; a last line
 * without one counts too) and finishes it at the end of input. Returns the program's exit
 * status: 0, or 1 when reading failed (the reason on standard error, after the name).
 */
int RunClient(const clientT *client, FILE *in);

#ifdef __cplusplus
}
#endif

#endif
