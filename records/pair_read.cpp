/* The number reads of the pairs dialogue: see pair_read.h. */
#include "records/pair_read.h"

#include <cstdio>

#include "support/numread.h"

bool readInt(int32_t *value) {
    int ch;
    do {
        ch = getchar();
    } while (ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r');
    if (ch != EOF) ungetc(ch, stdin);
    return ScanInt(stdin, value);
}

void readPair(pair *p) {
    if (readInt(&p->first)) readInt(&p->second);
}
