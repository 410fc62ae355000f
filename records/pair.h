/*
 * pair.h: the pair record and the number reads of the pairs dialogue, declared so that tests and
 * fuzz targets can call them on any input through the program's own objects.
 */
#ifndef WORKBENCH_RECORDS_PAIR_H
#define WORKBENCH_RECORDS_PAIR_H

#include <cstdint>

struct pair {
    int32_t first;
    int32_t second;
    int32_t third;
};

/* Reads a decimal integer as "%d" does, white space first; a number beyond the int range
 * saturates. Returns false, with the value untouched, when no integer comes next. */
bool readInt(int32_t *value);

/* Once one read fails the rest fail too, as with the formatted reads; unread fields stay 0. */
void readPair(pair *p);

#endif
