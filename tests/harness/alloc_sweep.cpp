#include "alloc_sweep.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "fail_alloc.h"

namespace wb {

namespace {

enum { kCompleted = 0, kFailureIgnored = 98, kMostAllocations = 100000 };

// Runs body with allocation n failing; returns the wait status and what went to stderr.
int RunFailing(const std::function<void()> &body, int n, std::string *err) {
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) return -1;
    fflush(nullptr);
    pid_t child = fork();
    if (child == 0) {
        close(pipe_ends[0]);
        dup2(pipe_ends[1], STDERR_FILENO);
        int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        FailAllocation(n);
        body();
        fflush(stdout);
        _exit(Pending() ? kCompleted : kFailureIgnored);
    }
    close(pipe_ends[1]);
    char chunk[512];
    for (ssize_t got; (got = read(pipe_ends[0], chunk, sizeof chunk)) > 0;)
        err->append(chunk, static_cast<size_t>(got));
    close(pipe_ends[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

}  // namespace

SweepResult SweepAllocations(const std::function<void()> &body, const std::string &message) {
    for (int n = 1; n <= kMostAllocations; n++) {
        std::string err;
        int status = RunFailing(body, n, &err);
        bool exited = WIFEXITED(status);
        if (exited && WEXITSTATUS(status) == kCompleted) return {n - 1, ""};
        if (!exited || WEXITSTATUS(status) != 1 || err != message) {
            std::string how = !exited ? "signal " + std::to_string(WTERMSIG(status))
                                      : "status " + std::to_string(WEXITSTATUS(status));
            return {n - 1, "allocation " + std::to_string(n) + ": " + how + ", stderr: " + err};
        }
    }
    return {kMostAllocations, "never completed"};
}

}  // namespace wb
