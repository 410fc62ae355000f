/*
 * judge.h: one run of a script judged as it goes, whoever runs it: the runner's processes
 * (check/runner.h) or the web page's WebAssembly instances. After each line the run's output
 * arrives as a frame; the model says what it must be, and the first difference is the verdict.
 * How the program ended comes last.
 */
#ifndef WORKBENCH_CHECK_JUDGE_H
#define WORKBENCH_CHECK_JUDGE_H

#include <stddef.h>

#include "check/check.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef enum {
    FrameLine,    /* the output of line index */
    FrameFinish,  /* the output at the end of input */
    FramePartial, /* the output of line index so far: the program ends in it */
    FrameError,   /* Error's text */
    FrameNoMemory /* GetBlock found no memory */
} frameKindT;

/* How one run of a script ended. */
typedef struct {
    verdictT verdict;
    long at;        /* the line it failed in; the line count for the end of input */
    textT expected; /* what the model says for that line */
    textT actual;   /* what the client printed for it, or how the program ended */
    textT summary;  /* the verdict in one line */
    textT report;   /* standard error: a memory checker's report, the module's own words */
    double seconds;
} runT;

void FreeRun(runT *run);

/* A run being judged. */
typedef struct {
    const interfaceT *interface;
    traitsT traits;
    const scriptT *script;
    long megabytes; /* the memory limit, for an out-of-memory verdict's words */
    modelT *model;
    expectT expect; /* for the line the program is in */
    long stepped;   /* lines the model has taken */
    long reached;   /* the line the program is in: one after the last whose frame came */
    bool ended;     /* the program said it ends (Error, exit, no memory) */
    bool finished;  /* the end of input's frame came and matched */
    runT run;
} judgeT;

/* A judge for a run of script (which must outlive it), and its model. */
void StartJudge(judgeT *judge, const interfaceT *interface, traitsT traits, const scriptT *script,
                long megabytes);

/* Frees the model; the run stays the caller's (FreeRun). */
void FreeJudge(judgeT *judge);

/* The run's verdict, unless it has one already, in the words format gives and then the place
 * (the line at). Returns false when the run had failed before. */
bool JudgeFail(judgeT *judge, verdictT verdict, long at, const char *format, ...)
    __attribute__((format(printf, 4, 5)));

/* One frame: kind, the line index it is for (-1 before the first), and its bytes. */
void JudgeFrame(judgeT *judge, frameKindT kind, long index, const char *bytes, size_t n);

/* At a time limit of seconds, after elapsed: the line the program is in has timed out. */
void JudgeTimeOut(judgeT *judge, double seconds, double elapsed);

/* How the program ended, as its runner saw it; the run's report holds its standard error. */
typedef struct {
    int status;             /* its exit status, when no signal ended it */
    int signal;             /* the signal that ended it, or 0 */
    const char *signalName; /* that signal's name */
    bool timeSignal;        /* the signal is the processor-time limit's */
    const char *crash;      /* a crash a memory checker found ("segmentation fault"), or null */
    const char *fault;      /* a memory fault it found ("double free"), or null */
    const char *checker;    /* who found them: "a sanitizer's report" */
    bool undefined;         /* a report of undefined behaviour */
} endT;

void JudgeEnd(judgeT *judge, const endT *end);

/* Whether two runs fail the same way, as a shorter script must to stand for a longer one. */
bool SameFailure(const runT *a, const runT *b);

/* A failed case's details: the script that fails (cut down from the case's), what the model
 * said against what came, and the report; client names where to replay it. */
void DescribeRun(const char *client, const caseT *kase, const scriptT *script, const runT *run,
                 textT *details);

#ifdef __cplusplus
}
#endif

#endif
