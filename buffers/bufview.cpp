/* bufview: what the four drawings of bufdemo -i and -j share. */
#include "buffers/bufview.h"

void DrawHeading(viewT *view, const char *module, const char *kind) {
    ViewString(view, "module", module);
    ViewString(view, "kind", kind);
}

void DrawBytes(viewT *view, const recordTallyT *tallies, int kinds, long characters) {
    size_t total = 0;
    ViewText(view, "  bytes:");
    ViewOpen(view, "bytes", '{');
    ViewOpen(view, "records", '[');
    for (int i = 0; i < kinds; i++) {
        const recordTallyT *tally = &tallies[i];
        ViewText(view, "%s %ld %s%s x %zu", i == 0 ? "" : " +", tally->count, tally->name,
                 tally->count == 1 ? "" : "s", tally->size);
        ViewOpen(view, nullptr, '{');
        ViewString(view, "name", tally->name);
        ViewNumber(view, "count", tally->count);
        ViewNumber(view, "size", static_cast<long>(tally->size));
        ViewClose(view);
        total += static_cast<size_t>(tally->count) * tally->size;
    }
    ViewClose(view);
    ViewText(view, " = %zu for %ld character%s\n", total, characters, characters == 1 ? "" : "s");
    ViewNumber(view, "total", static_cast<long>(total));
    ViewNumber(view, "characters", characters);
    ViewClose(view);
}

void DrawCells(viewT *view, const char *key, const char *chars, int n) {
    ViewText(view, "|");
    ViewOpen(view, key, '[');
    for (int i = 0; i < n; i++) {
        ViewText(view, "%c|", chars[i]);
        ViewChar(view, nullptr, chars[i]);
    }
    ViewClose(view);
}
