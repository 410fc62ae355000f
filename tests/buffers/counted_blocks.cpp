#include "counted_blocks.h"

#include <cstdio>
#include <cstdlib>

#include "support/genlib.h"

namespace {
long live = 0;
}

long wb::LiveBlocks() {
    return live;
}

void *GetBlock(size_t nbytes) {
    void *block = malloc(nbytes > 0 ? nbytes : 1);
    if (block == nullptr) Error("Out of memory");
    live++;
    return block;
}

void FreeBlock(void *ptr) {
    if (ptr == nullptr) Error("FreeBlock given a null pointer");
    live--;
    free(ptr);
}

void Error(const char *msg) {
    fprintf(stderr, "%s\n", msg);
    exit(1);
}
