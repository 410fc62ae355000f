/* shrink: a failing case cut down by dropping stretches of lines (check/shrink.h). */
#include "check/shrink.h"

#include <cstdlib>
#include <cstring>

/* The script without lines [start, start + count). */
static scriptT Without(const scriptT *script, long start, long count) {
    char *keep = static_cast<char *>(malloc(static_cast<size_t>(script->count) + 1));
    if (keep == nullptr) abort();
    for (long i = 0; i < script->count; i++)
        keep[i] = i < start || i >= start + count;
    scriptT rest = ScriptSubset(script, keep);
    free(keep);
    return rest;
}

/* Tries the shorter script; on TrialFails it becomes *cut. */
static trialT Try(const interfaceT *interface, traitsT traits, scriptT *shorter, scriptT *cut,
                  trialFnT trial, void *context) {
    textT invalid = {};
    bool valid = ValidateScript(interface, traits, shorter, &invalid);
    TextFree(&invalid);
    trialT how = valid ? trial(context, shorter) : TrialPasses;
    if (how == TrialFails) {
        ScriptFree(cut);
        *cut = *shorter;
    } else {
        ScriptFree(shorter);
    }
    return how;
}

scriptT ShrinkScript(const interfaceT *interface, traitsT traits, const scriptT *script,
                     long failedAt, trialFnT trial, void *context) {
    long through = failedAt < script->count ? failedAt + 1 : script->count;
    scriptT cut = Without(script, through, script->count);
    if (trial == nullptr || cut.count == 0) return cut;
    /* A fault in the client's start or end, such as a leak, may need no line at all. */
    if (failedAt < 0 || failedAt >= script->count) {
        scriptT none = {};
        trialT how = Try(interface, traits, &none, &cut, trial, context);
        if (how != TrialPasses) return cut;
    }
    for (long chunk = cut.count / 2 > 0 ? cut.count / 2 : 1;; chunk /= 2) {
        for (long start = 0; start < cut.count;) {
            scriptT shorter = Without(&cut, start, chunk);
            trialT how = Try(interface, traits, &shorter, &cut, trial, context);
            if (how == TrialStop) return cut;
            if (how == TrialPasses) start += chunk;
        }
        if (chunk <= 1) return cut;
    }
}
