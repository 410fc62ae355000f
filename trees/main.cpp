/*
 * treecost: how many node visits a search costs in an unbalanced tree, as the tree grows.
 * "-s SEED" seeds the pseudo-random generator with SEED wherever it would take the clock's
 * seconds, so that a run can be repeated; any other argument list is ignored, as it always was.
 */
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "trees/tree.h"

/* A seed is decimal digits, nothing else, up to the largest unsigned value. */
static bool ParseSeed(const char *text, unsigned *seed) {
    unsigned value = 0;
    if (*text == '\0') return false;
    for (const char *p = text; *p != '\0'; p++) {
        if (*p < '0' || *p > '9') return false;
        unsigned digit = static_cast<unsigned>(*p - '0');
        if (value > (UINT_MAX - digit) / 10) return false;
        value = value * 10 + digit;
    }
    *seed = value;
    return true;
}

int main(int argc, char *argv[]) {
    int size = 10;
    unsigned seed;
    if (argc == 3 && strcmp(argv[1], "-s") == 0 && ParseSeed(argv[2], &seed)) FixSeed(seed);

    srand(CurrentSeed());
    printf("n              Average # comparisons/visits in my search           log2(n)");
    for (int y = 0; y < size; y++)
        generateRandomNumSequence();
    printf("\n");
    return 0;
}
