/*
 * stdin.c: before a program reads its standard input, what it has written to standard output
 * goes out, as it does at a terminal with the native C library. A page that feeds a dialogue a
 * line at a time then shows each prompt before the line typed after it. The C library's reads go
 * through read and readv, which the WebAssembly build wraps (-Wl,--wrap); the bytes written are
 * the same, only sooner.
 */
#include <stdio.h>
#include <sys/uio.h>
#include <unistd.h>

ssize_t __real_read(int fd, void *buffer, size_t size);
ssize_t __real_readv(int fd, const struct iovec *parts, int count);

ssize_t __wrap_read(int fd, void *buffer, size_t size) {
    if (fd == STDIN_FILENO) fflush(stdout);
    return __real_read(fd, buffer, size);
}

ssize_t __wrap_readv(int fd, const struct iovec *parts, int count) {
    if (fd == STDIN_FILENO) fflush(stdout);
    return __real_readv(fd, parts, count);
}
