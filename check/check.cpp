/* check: what a model expects of a line (check/check.h). */
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
