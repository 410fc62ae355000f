/*
 * rectangles_read.h: the rectangles dialogue and the overlap test it feeds, in a unit of their
 * own so that tests and fuzz targets can call them on any input.
 */
#ifndef WORKBENCH_RECORDS_RECTANGLES_READ_H
#define WORKBENCH_RECORDS_RECTANGLES_READ_H

typedef struct Rect {
    double x;
    double y;
    char color;
    double w;
    double h;
} RectT;

/* 1 when the rectangles overlap; edges are exclusive: sharing an edge or a corner is not. */
int chk_overlap(const RectT *r1, const RectT *r2);

/*
 * Asks for x, y, width and height of A, then of B, one prompt a line on standard output, each
 * answer a number read from standard input; an answer that does not parse, or is missing,
 * leaves its field as it was.
 */
void askRectangles(RectT *a, RectT *b);

#endif
