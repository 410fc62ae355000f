#include "support/genlib.h"

#include <cstdio>
#include <cstdlib>

void *GetBlock(size_t nbytes) {
    void *block = malloc(nbytes > 0 ? nbytes : 1);
    if (block == nullptr) Error("Out of memory");
    return block;
}

void FreeBlock(void *ptr) {
    free(ptr);
}

void Error(const char *msg) {
    fprintf(stderr, "%s\n", msg);
    exit(1);
}
