/* sort_view: the arrays after each selection pass and each merge step. */
#include "sorting/sort_view.h"

/* Draws x[0..n) as the member key, and in the text unless dataOnly, where a "|" follows the
 * first split cells (none when split is 0 or n). */
static void DrawValues(viewT *view, const char *key, const int x[], int n, int split,
                       bool dataOnly = false) {
    ViewOpen(view, key, '[');
    for (int i = 0; i < n; i++) {
        if (!dataOnly) ViewText(view, "%s%d", i > 0 && i == split ? " | " : " ", x[i]);
        ViewNumber(view, nullptr, x[i]);
    }
    ViewClose(view);
}

void DrawFilled(viewT *view, const char *name, const int x[], int n) {
    ViewOpen(view, nullptr, '{');
    ViewString(view, "kind", "sort");
    ViewString(view, "phase", "fill");
    ViewString(view, "array", name);
    ViewText(view, "  %s filled:", name);
    DrawValues(view, "cells", x, n, 0);
    ViewText(view, "\n");
    ViewClose(view);
}

void DrawPass(viewT *view, const char *name, const int x[], int n, int k, int from) {
    /* The last pass leaves its last cell in place too. */
    int sorted = k == n - 2 ? n : k + 1;
    ViewOpen(view, nullptr, '{');
    ViewString(view, "kind", "sort");
    ViewString(view, "phase", "select");
    ViewString(view, "array", name);
    ViewNumber(view, "pass", k + 1);
    ViewNumber(view, "from", from);
    ViewNumber(view, "to", k);
    ViewNumber(view, "value", x[k]);
    ViewNumber(view, "sorted", sorted);
    ViewText(view, "  %s pass %d: %d from %s[%d] to %s[%d]:", name, k + 1, x[k], name, from, name,
             k);
    DrawValues(view, "cells", x, n, sorted);
    ViewText(view, "\n");
    ViewClose(view);
}

void DrawMergeStep(viewT *view, const int a[], int na, const int b[], int nb, const int c[],
                   const mergeT *at, bool fromA) {
    int index = fromA ? at->ac - 1 : at->bc - 1;
    int value = c[at->cc - 1];
    ViewText(view, "  merge c[%d] = %d from %c[%d]\n", at->cc - 1, value, fromA ? 'a' : 'b', index);
    ViewOpen(view, nullptr, '{');
    ViewString(view, "kind", "sort");
    ViewString(view, "phase", "merge");
    ViewNumber(view, "step", at->cc);
    ViewString(view, "from", fromA ? "a" : "b");
    ViewNumber(view, "index", index);
    ViewNumber(view, "value", value);
    ViewOpen(view, "taken", '{');
    ViewNumber(view, "a", at->ac);
    ViewNumber(view, "b", at->bc);
    ViewClose(view);
    /* The inputs and c so far go to the description only: the text says what moved. */
    DrawValues(view, "a", a, na, 0, true);
    DrawValues(view, "b", b, nb, 0, true);
    DrawValues(view, "cells", c, at->cc, 0, true);
    ViewClose(view);
}
