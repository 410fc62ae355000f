/* The rectangles dialogue: see rectangles_read.h. */
#include "records/rectangles_read.h"

#include <cstdio>

int chk_overlap(const RectT *r1, const RectT *r2) {
    if (!(r1->x + r1->w > r2->x)) return 0;
    if (!(r1->y + r1->h > r2->y)) return 0;
    if (!(r2->x + r2->w > r1->x)) return 0;
    if (!(r2->y + r2->h > r1->y)) return 0;
    return 1;
}

static bool ask(const char *prompt, double *field) {
    puts(prompt);
    return scanf("%lf", field) == 1;
}

void askRectangles(RectT *a, RectT *b) {
    ask("Please enter a x coordinate for A:", &a->x);
    ask("Please enter a y coordinate for A:", &a->y);
    ask("Please enter a Width coordinate for A:", &a->w);
    ask("Please enter a Height coordinate for A:", &a->h);
    ask("Please enter a x coordinate for B:", &b->x);
    ask("Please enter a y coordinate for B:", &b->y);
    ask("Please enter a width coordinate for B:", &b->w);
    ask("Please enter a Height coordinate for B:", &b->h);
}
