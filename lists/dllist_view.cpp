/* dllist_view: the ring's nodes from front to rear and the links that close it. */
#include "lists/dllist_view.h"

#include "lists/dllist.h"

void DrawRing(viewT *view, char command, int hasValue, int value) {
    ViewOpen(view, nullptr, '{');
    ViewString(view, "kind", "ring");
    ViewChar(view, "command", command);
    if (hasValue) ViewNumber(view, "value", value);
    ViewText(view, "  ring:");
    ViewOpen(view, "cells", '[');
    int length = 0;
    bool closed = front == nullptr ? rear == nullptr : true;
    /* Once around from front, stopping at rear: a ring whose rear is never met is cut there. */
    for (const list_t *n = front; n != nullptr; n = n->next) {
        ViewText(view, "%s[%d%s%s]", length == 0 ? " front " : " <-> ", n->value,
                 n->word[0] != '\0' ? ":" : "", n->word);
        ViewOpen(view, nullptr, '{');
        ViewNumber(view, "value", n->value);
        ViewString(view, "word", n->word);
        ViewClose(view);
        length++;
        if (n->next == nullptr || n->next->prev != n) closed = false;
        if (n == rear || n->next == front) {
            if (n != rear || n->next != front) closed = false;
            break;
        }
    }
    ViewClose(view);
    if (front == nullptr)
        ViewText(view, " empty, front null, rear null");
    else if (rear == nullptr || rear->next == nullptr || front->prev == nullptr)
        closed = false;
    else
        ViewText(view, " rear, %d node%s; rear.next [%d], front.prev [%d]", length,
                 length == 1 ? "" : "s", rear->next->value, front->prev->value);
    ViewText(view, "%s\n", closed ? "" : "; the ring is broken");
    ViewNumber(view, "length", length);
    ViewBool(view, "closed", closed);
    ViewClose(view);
}
