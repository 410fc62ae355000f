/*
 * report.h: a run's results in the forms people and grading platforms read: the checker's own
 * text, TAP 14, JUnit XML, and the results.json of Gradescope and of PrairieLearn.
 */
#ifndef WORKBENCH_CHECK_REPORT_H
#define WORKBENCH_CHECK_REPORT_H

#include <stdio.h>

#include "check/check.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef enum { FormatText, FormatTap, FormatJunit, FormatGradescope, FormatPrairielearn } formatT;

/* The format of that name (text, tap, junit, gradescope, prairielearn); false for none. */
bool ParseFormat(const char *name, formatT *format);

/*
 * Writes the results of every case, in order, and their sum. notice is null or what the whole
 * run must say (the compiler's messages when the module did not build). A hidden case's script
 * and output are kept out of what a student sees: Gradescope shows them once the instructor
 * publishes the results, the other formats not at all.
 */
void WriteReport(formatT format, const interfaceT *interface, const resultT *results, int count,
                 const char *notice, FILE *out);

#ifdef __cplusplus
}
#endif

#endif
