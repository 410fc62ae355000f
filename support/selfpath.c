/*
 * selfpath.c: paths relative to the running executable.
 */
/* readlink and PATH_MAX are POSIX. */
#define _POSIX_C_SOURCE 200809L

#include "support/selfpath.h"

#include <limits.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

/* Drops the last component of an absolute directory; "" stands for the root, its own parent. */
static void Climb(char *dir) {
    char *slash = strrchr(dir, '/');
    if (slash != NULL) *slash = '\0';
}

/*
 * Writes the directory of the running executable to dir ("" for the root). A WebAssembly command
 * has no file of its own to find: it stands at the root of the file system its runtime gives
 * it, so that what ships with it is found where the same relative path leads from there (the
 * game's list at /share/workbench/wordguess.txt).
 */
static bool ExecutableDirectory(char *dir, size_t size) {
#if defined(__wasi__)
    (void)size;
    dir[0] = '\0';
#else
    ssize_t length = readlink("/proc/self/exe", dir, size);
    if (length <= 0 || (size_t)length >= size) return false;
    dir[length] = '\0';
    Climb(dir); /* the link is absolute: this leaves the executable's directory */
#endif
    return true;
}

bool SelfRelativePath(const char *relative, char *path, size_t size) {
    char dir[PATH_MAX];
    if (size > 0) path[0] = '\0';
    if (!ExecutableDirectory(dir, sizeof dir)) return false;
    for (; strncmp(relative, "../", 3) == 0; relative += 3)
        Climb(dir);
    int written = snprintf(path, size, "%s/%s", dir, relative);
    if (written < 0 || (size_t)written >= size) {
        if (size > 0) path[0] = '\0';
        return false;
    }
    return true;
}
