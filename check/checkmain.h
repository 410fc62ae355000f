/*
 * checkmain.h: the checker program of one interface, for a module linked with it:
 *
 *   <program> [--capacity N] [--reports-ends] [--timeout SECONDS] [--memory MB]
 *             [--cases FILE]... [--weights FILE] [--format FORMAT] [--output FILE]
 *             [--bench [--name NAME]]
 *
 * runs every case of the interface (and of each --cases file), each in its own process, and
 * writes the report in the format asked for (check/report.h) to standard output or FILE.
 * Status 0 when every case passes, 1 when one fails, 2 for a bad command line or a bad case or
 * weights file, 3 for a fault of the checker itself (then no report is written).
 */
#ifndef WORKBENCH_CHECK_CHECKMAIN_H
#define WORKBENCH_CHECK_CHECKMAIN_H

#include <stdio.h>

#include "check/check.h"
#include "check/client.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Times the module instead of checking it (--bench); null where the interface has no benchmark. */
typedef void (*benchT)(traitsT traits, const char *name, FILE *out);

int CheckMain(int argc, char **argv, const interfaceT *interface, const clientT *client,
              benchT bench);

#ifdef __cplusplus
}
#endif

#endif
