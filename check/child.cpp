/*
 * child: a case's own process (check/child.h). Standard output goes to a scratch file that is
 * read back after every line, so that output through any route (printf, puts, write) is seen.
 */
#include "check/child.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "support/genlib.h"

/* A sanitizer's runtime keeps its own memory limit (the runner passes it one), and maps far
 * more address space than a plain limit on it would allow. */
extern "C" void __asan_init(void) __attribute__((weak));

namespace {

struct {
    int frames = -1, out = -1;
    long line = -1;
    bool done = false;
    void *state = nullptr; /* the client's, reachable to the end, so never taken for a leak */
} child;

void WriteAll(int fd, const void *bytes, size_t n) {
    const char *p = static_cast<const char *>(bytes);
    while (n > 0) {
        ssize_t written = write(fd, p, n);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) _exit(125); /* the runner is gone */
        p += written;
        n -= static_cast<size_t>(written);
    }
}

void SendFrame(frameKindT kind, const char *bytes, size_t n) {
    frameT frame = {kind, static_cast<int32_t>(child.line), static_cast<uint32_t>(n)};
    WriteAll(child.frames, &frame, sizeof frame);
    WriteAll(child.frames, bytes, n);
}

/* Sends what standard output has received since the last frame, and empties it. */
void SendOutput(frameKindT kind) {
    fflush(stdout);
    off_t size = lseek(child.out, 0, SEEK_END);
    char *bytes = static_cast<char *>(malloc(size > 0 ? static_cast<size_t>(size) : 1));
    if (bytes == nullptr) _exit(125);
    ssize_t got = size > 0 ? pread(child.out, bytes, static_cast<size_t>(size), 0) : 0;
    SendFrame(kind, bytes, got > 0 ? static_cast<size_t>(got) : 0);
    free(bytes);
    if (ftruncate(child.out, 0) != 0) _exit(125);
    lseek(child.out, 0, SEEK_SET);
}

/* The program ends inside a line: by exit (the module's, or a sanitizer's) or by Error. */
void Ending() {
    if (!child.done) SendOutput(FramePartial);
    child.done = true;
}

void Limit(int resource, long value) {
    struct rlimit limit = {static_cast<rlim_t>(value), static_cast<rlim_t>(value)};
    setrlimit(resource, &limit);
}

}  // namespace

void RunChild(const clientT *client, const scriptT *script, childSetupT setup) {
    setpgid(0, 0); /* so that the runner can end whatever the module starts */
    fflush(stdout);
    int none = open("/dev/null", O_RDONLY); /* a module that reads input finds none */
    if (none < 0 || dup2(none, 0) < 0) _exit(125);
    close(none);
    dup2(setup.out, 1);
    dup2(setup.err, 2);
    child.frames = setup.frames;
    child.out = 1;
    if (chdir(setup.dir) != 0) _exit(125);
    Limit(RLIMIT_CORE, 0);
    Limit(RLIMIT_CPU, setup.cpuSeconds);
    if (__asan_init == nullptr) Limit(RLIMIT_AS, setup.megabytes << 20);
    atexit(Ending);
    child.state = client->Start();
    SendOutput(FrameLine);
    for (long i = 0; i < script->count; i++) {
        child.line = i;
        client->Line(child.state, ScriptLine(script, i));
        SendOutput(FrameLine);
    }
    child.line = script->count;
    client->Finish(child.state);
    child.state = nullptr;
    SendOutput(FrameFinish);
    child.done = true;
    exit(0);
}

/* genlib's services as the module under check sees them. */
void *GetBlock(size_t nbytes) {
    void *block = malloc(nbytes > 0 ? nbytes : 1);
    if (block == nullptr) {
        Ending();
        SendFrame(FrameNoMemory, "", 0);
        fputs("Out of memory\n", stderr);
        _exit(1);
    }
    return block;
}

void FreeBlock(void *ptr) {
    free(ptr);
}

void Error(const char *msg) {
    Ending();
    SendFrame(FrameError, msg, strlen(msg));
    fprintf(stderr, "%s\n", msg);
    _exit(1); /* the module's records stay as Error found them: no leak is to be reported */
}
