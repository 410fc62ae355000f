/* bufview: what the four drawings of bufdemo -i share. */
#include "buffers/bufview.h"

#include <cstdio>

void DrawBytes(const recordTallyT *tallies, int kinds, long characters) {
    size_t total = 0;
    printf("  bytes:");
    for (int i = 0; i < kinds; i++) {
        const recordTallyT *tally = &tallies[i];
        printf("%s %ld %s%s x %zu", i == 0 ? "" : " +", tally->count, tally->name,
               tally->count == 1 ? "" : "s", tally->size);
        total += static_cast<size_t>(tally->count) * tally->size;
    }
    printf(" = %zu for %ld character%s\n", total, characters, characters == 1 ? "" : "s");
}

void DrawCells(const char *chars, int n) {
    putchar('|');
    for (int i = 0; i < n; i++)
        printf("%c|", chars[i]);
}
