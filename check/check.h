/*
 * check.h: the checker's core, for any interface: what a model promises for each line of a
 * case, and the verdict a run of a case earns. Nothing here starts a process, so that a page
 * can run the same cases and models in its own way; check/runner.h runs them in processes.
 */
#ifndef WORKBENCH_CHECK_CHECK_H
#define WORKBENCH_CHECK_CHECK_H

#include <stdio.h>

#include "check/script.h"
#include "check/text.h"

#ifdef __cplusplus
extern "C" {
#endif

/* What may differ between implementations of one interface (only the buffer has any). */
typedef struct {
    int capacity;     /* the characters a buffer holds (one more ends the program), 0 for none */
    bool reportsEnds; /* a single step into an end prints "Already at beginning bro!" or
                         "Already at end bro!" and a line end */
} traitsT;

/* The limits of a case unless the command line gives others: seconds of time, megabytes of
 * memory. */
enum { DefaultSeconds = 5, DefaultMegabytes = 512 };

/* How the program must end at a line, if it must. */
typedef enum {
    EndsNot,     /* it goes on */
    EndsInError, /* the module calls Error with message */
    EndsInExit   /* the module ends the process with status, message on standard error */
} endingT;

/* What the interface's client must print for one line of input. */
typedef struct {
    textT out; /* standard output */
    endingT ending;
    textT message;
    int status;
} expectT;

void ClearExpect(expectT *expect);
void FreeExpect(expectT *expect);

typedef struct modelT modelT; /* one interface's model of its module and client */

typedef struct {
    const char *name;   /* as the command line names it: "buffer" */
    const char *header; /* the header the module implements: "buffers/buffer.h" */
    const char *client; /* the client that replays a script from standard input: "bufdemo" */
    modelT *(*NewModel)(traitsT traits);
    /*
     * Applies one line to the model and sets what the client must print for it. Returns null,
     * or why the line cannot be judged: not a line of the language, or a step whose outcome the
     * interface leaves to the implementer (a case must not take it).
     */
    const char *(*Step)(modelT *model, const char *line, expectT *expect);
    /* What the client prints at the end of its input. */
    void (*Finish)(modelT *model, expectT *expect);
    void (*FreeModel)(modelT *model);
    /* Adds the interface's own cases, for these traits, to list. */
    void (*AddCases)(traitsT traits, caseListT *list);
} interfaceT;

extern const interfaceT BufferInterface, ScannerInterface, SetInterface, DictionaryInterface;

/* The interface of that name, or null. */
const interfaceT *FindInterface(const char *name);

/*
 * Runs the whole script through a fresh model: returns false, and in error the line number and
 * the reason, when a line cannot be judged (see Step) or comes after one that ends the program.
 */
bool ValidateScript(const interfaceT *interface, traitsT traits, const scriptT *script,
                    textT *error);

/* The case list a run judges, from the interface's own cases, the --cases files and the
 * weights file; false, with the reason in error, for a bad file or a case the model cannot
 * judge. */
bool GatherCases(const interfaceT *interface, traitsT traits, const char *const *caseFiles,
                 int caseFileCount, const char *weightsFile, caseListT *cases, textT *error);

typedef enum {
    VerdictPassed,
    VerdictWrongOutput,
    VerdictCrashed,    /* a signal */
    VerdictEndedEarly, /* exit or Error where the model goes on */
    VerdictTimedOut,
    VerdictMemoryError, /* a sanitizer's report: leak, use after free, double free, ... */
    VerdictNotBuilt     /* the module did not build, so no case ran */
} verdictT;

/* The verdict's words: "passed", "wrong output", ... */
const char *VerdictName(verdictT verdict);

typedef struct {
    const caseT *kase;
    verdictT verdict;
    textT summary; /* one line: what went wrong ("memory error: leak"), empty when passed */
    textT details; /* the replay script, the expected and actual output, raw reports */
    double points; /* earned: the case's points when passed, else 0 */
} resultT;

void FreeResult(resultT *result);

#ifdef __cplusplus
}
#endif

#endif
