/*
 * shrink.h: cutting a failing case down to fewer lines that still fail the same way. Whoever
 * runs the cases says, for a shorter script, whether it still fails so; nothing here runs one.
 */
#ifndef WORKBENCH_CHECK_SHRINK_H
#define WORKBENCH_CHECK_SHRINK_H

#include "check/check.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef enum {
    TrialFails,  /* the shorter script fails the same way: keep it */
    TrialPasses, /* it passes, or fails another way: keep the lines */
    TrialStop    /* no more trials: the runs or the time allowed are spent */
} trialT;

/* Runs script and says how it went; context is the caller's. */
typedef trialT (*trialFnT)(void *context, const scriptT *script);

/*
 * Returns a new script of lines of script that still fails: first the lines up to and with
 * failedAt (the line it failed in; the line count for its end of input, -1 for its start) and,
 * when trials is null, nothing more; then, while trial says so, ever smaller stretches dropped
 * (after a fault in the client's start or end, all of them first). A shorter script that the
 * interface's model cannot judge is never tried.
 */
scriptT ShrinkScript(const interfaceT *interface, traitsT traits, const scriptT *script,
                     long failedAt, trialFnT trial, void *context);

#ifdef __cplusplus
}
#endif

#endif
