/*
 * memory.c: memcpy, memmove and memset as the engine's own memory.copy and memory.fill
 * (compiled with bulk memory), in place of the C library's loops: the array buffer's shifts and
 * every display lean on them. Only this unit uses bulk memory, so the rest of the build keeps the
 * plain instruction set.
 */
#include <string.h>

void *memcpy(void *restrict to, const void *restrict from, size_t n) {
    return __builtin_memcpy(to, from, n);
}

void *memmove(void *to, const void *from, size_t n) {
    return __builtin_memmove(to, from, n);
}

void *memset(void *to, int byte, size_t n) {
    return __builtin_memset(to, byte, n);
}
