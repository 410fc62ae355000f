/* linkqueue_view: the queue from front to rear after each change. */
#include "lists/linkqueue_view.h"

#include "lists/linkqueue.h"

void DrawQueue(viewT *view, queueOpT op, int value) {
    const char *name = op == QueueInserted ? "insert" : "remove";
    ViewOpen(view, nullptr, '{');
    ViewString(view, "kind", "queue");
    ViewString(view, "op", name);
    ViewNumber(view, "value", value);
    ViewText(view, "  %s %d: front", name, value);
    ViewOpen(view, "cells", '[');
    /* The walk also checks each node's way back, since printQueueBackward relies on it. */
    int length = 0;
    bool linked = front == nullptr ? rear == nullptr : front->left == nullptr;
    const node *last = nullptr;
    for (const node *n = front; n != nullptr; n = n->right) {
        ViewText(view, "%s[%d]", length == 0 ? " " : " <-> ", n->info);
        ViewNumber(view, nullptr, n->info);
        if (n->left != last) linked = false;
        last = n;
        length++;
    }
    ViewClose(view);
    if (last != rear) linked = false;
    if (length == 0)
        ViewText(view, " null, rear null, empty");
    else
        ViewText(view, " rear, %d node%s", length, length == 1 ? "" : "s");
    ViewText(view, "%s\n", linked ? "" : "; the left links disagree");
    ViewNumber(view, "length", length);
    ViewBool(view, "linked", linked);
    ViewClose(view);
}
