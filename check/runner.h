/*
 * runner.h: runs an interface's cases against the module linked with the program, each case in
 * a process of its own, judged line by line against the interface's model.
 *
 * Every case starts at once, each with a time limit and a memory limit, so that a module that
 * loops costs the limit about once, however many cases reach the loop. A case that fails is
 * then cut down to fewer lines that still fail the same way, within a time budget; one that ran
 * out of time is only cut after the line it was stuck in, never run again to be cut.
 */
#ifndef WORKBENCH_CHECK_RUNNER_H
#define WORKBENCH_CHECK_RUNNER_H

#include "check/check.h"
#include "check/client.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct {
    double seconds; /* wall-clock time a case may take */
    long megabytes; /* memory a case may take */
} limitsT;

/*
 * Runs every case of cases through client on the linked module and judges it with interface's
 * model (traits say what may differ); fills results[i] for cases->at[i]. Returns false, with
 * the reason on standard error, when the checker itself cannot run them (no process, no
 * scratch file): a fault of its own, not of the module.
 */
bool RunCases(const interfaceT *interface, traitsT traits, const clientT *client,
              const caseListT *cases, limitsT limits, resultT *results);

#ifdef __cplusplus
}
#endif

#endif
