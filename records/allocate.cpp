#include "records/allocate.h"

#include <cstdio>
#include <cstdlib>

void *allocate(size_t nbytes) {
    void *block = calloc(nbytes > 0 ? nbytes : 1, 1);
    if (block == nullptr) {
        fputs("Out of memory\n", stderr);
        exit(1);
    }
    return block;
}
