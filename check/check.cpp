/* check: what a case expects and the verdicts a run earns (check/check.h). */
#include "check/check.h"

void ClearExpect(expectT *expect) {
    TextClear(&expect->out);
    TextClear(&expect->message);
    expect->ending = EndsNot;
    expect->status = 0;
}

void FreeExpect(expectT *expect) {
    TextFree(&expect->out);
    TextFree(&expect->message);
    expect->ending = EndsNot;
    expect->status = 0;
}

const char *VerdictName(verdictT verdict) {
    switch (verdict) {
        case VerdictPassed:
            return "passed";
        case VerdictWrongOutput:
            return "wrong output";
        case VerdictCrashed:
            return "crashed";
        case VerdictEndedEarly:
            return "ended early";
        case VerdictTimedOut:
            return "timed out";
        case VerdictMemoryError:
            return "memory error";
        case VerdictNotBuilt:
            return "not built";
    }
    return "unknown";
}

void FreeResult(resultT *result) {
    TextFree(&result->summary);
    TextFree(&result->details);
}
