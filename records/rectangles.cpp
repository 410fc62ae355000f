/*
 * rectangles: asks for two rectangles A and B, says whether they overlap, then counts how many of
 * 50 pseudo-random rectangles overlap A and how many overlap B.
 *
 * The generator is never seeded, so the 50 rectangles are the same on every run.
 */
/*
 * The check on the block of rectangles stays in every build: without the block the program
 * would write through a null pointer, so the assertion facility is kept even where the build
 * defines NDEBUG.
 */
#undef NDEBUG
#include <cassert>
#include <cstdio>
#include <cstdlib>

#include "records/rectangles_read.h"

enum { RandomRects = 50, RandomSpan = 20 };

static double randomCoordinate(void) {
    return static_cast<double>(rand() % RandomSpan);
}

int main(int nargs, char *argv[]) {
    (void)nargs;
    (void)argv;
    RectT *recs = static_cast<RectT *>(malloc(RandomRects * sizeof(RectT)));
    assert(recs);
    RectT a = {0.0, 0.0, 0, 0.0, 0.0};
    RectT b = {0.0, 0.0, 0, 0.0, 0.0};
    int counta = 0;
    int countb = 0;

    askRectangles(&a, &b);

    printf("\na[x]=%lf\n", a.x);
    printf("\na[y]=%lf\n", a.y);
    printf("\na[width]=%lf\n", a.w);
    printf("\na[height]=%lf\n", a.h);
    printf("\nb[x]=%lf\n", b.x);
    printf("\nb[y]=%lf\n", b.y);
    printf("\nb[width]=%lf\n", b.w);
    printf("\nb[height]=%lf\n", b.h);

    int overlap = chk_overlap(&a, &b);
    if (overlap == 1) printf("\nYour A and B overlap\n");

    for (int i = 0; i < RandomRects; i++) {
        recs[i].x = randomCoordinate();
        recs[i].y = randomCoordinate();
        recs[i].h = randomCoordinate();
        recs[i].w = randomCoordinate();
        if (chk_overlap(&a, &recs[i]) == 1) counta++;
        if (chk_overlap(&b, &recs[i]) == 1) countb++;
    }

    printf("\nOf the 50 random rectangles %d overlap with A \n", counta);
    printf("\nOf the 50 random rectangles %d overlap with B \n", countb);
    free(recs);
    return 0;
}
