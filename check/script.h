/*
 * script.h: a case of the checker, a script of command lines in the language of one interface's
 * client, and the lists of cases that the interfaces, an instructor's case file and a weights
 * file give.
 */
#ifndef WORKBENCH_CHECK_SCRIPT_H
#define WORKBENCH_CHECK_SCRIPT_H

#include <stdio.h>

#include "check/text.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Lines, each a NUL-ended string in one text; {0} is the empty script. */
typedef struct {
    textT text;
    size_t *at; /* where each line starts in text */
    long count, room;
} scriptT;

void ScriptAdd(scriptT *script, const char *line, size_t n);
void ScriptAddString(scriptT *script, const char *line);
/* Adds each line of text, split at its line ends; a last line without one counts too. */
void ScriptAddLines(scriptT *script, const char *text);
const char *ScriptLine(const scriptT *script, long i);
/* A new script of the lines of script whose index keep says to keep (keep[i] != 0). */
scriptT ScriptSubset(const scriptT *script, const char *keep);
void ScriptFree(scriptT *script);

typedef struct {
    char *name;
    scriptT script;
    double points;
    bool hidden; /* a grading platform shows its name and verdict, not its script */
} caseT;

typedef struct {
    caseT *at;
    int count, room;
} caseListT;

/* A case as an interface's table gives it: its name and its lines, each ended by a line end. */
typedef struct {
    const char *name;
    const char *script;
} scriptCaseT;

/* Adds each case of the table, worth one point, shown. */
void AddScriptCases(caseListT *list, const scriptCaseT *table, int count);

/* Adds a case of the given lines (split at line ends), worth one point, shown. */
caseT *AddCase(caseListT *list, const char *name, const char *lines);
void FreeCases(caseListT *list);

/*
 * Reads an instructor's cases from in and adds them to list. A case begins with a line
 * "=== [points] [hidden] name" (points a number, 1 without it); every line after it up to the
 * next such line is a line of its script, empty lines included. Lines before the first case
 * are comments. Returns false and says why in error (with the line number) for a header
 * without a name, a bad number or a name given twice.
 */
bool ReadCases(FILE *in, caseListT *list, textT *error);

/*
 * Reads a weights file: each line "points [hidden] name" sets the points of the case of that
 * name, and marks it hidden with the word; empty lines and lines that begin with # are skipped.
 * Returns false and says why in error for a line that is not of that form or names no case.
 */
bool ReadWeights(FILE *in, caseListT *list, textT *error);

#ifdef __cplusplus
}
#endif

#endif
