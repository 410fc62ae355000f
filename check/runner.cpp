/*
 * runner: every case in a process of its own, judged as its frames arrive (check/runner.h).
 *
 * The runner reads each child's frames as they come and steps the model with them, so a wrong
 * line ends its child at once. A child that passes its time limit while still stuck in one line
 * has timed out; one still moving from line to line is timed by the processor time it has had,
 * since the others share the processors with it, and one whose module is done is only writing
 * a sanitizer's report: those get the limit again, a bounded number of times.
 */
#include "check/runner.h"

#include <dirent.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "check/child.h"
#include "check/judge.h"
#include "check/shrink.h"

namespace {

/* MostExtensions bounds a case's wall-clock time at that many limits beyond the first, however
 * loaded the machine. */
enum { MostAtOnce = 32, MostShrinkRuns = 300, MostExtensions = 5 };

double Now() {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

/* One running case. */
typedef struct {
    pid_t pid;
    int frames;
    FILE *out, *err;
    char dir[4096];
    textT inbox; /* frame bytes not yet taken */
    judgeT judge;
    bool killed;
    double start, lastFrame, deadline, lastUsage;
    double ranBefore; /* its processor seconds at the last deadline */
    int extensions;
} jobT;

struct runnerT {
    const interfaceT *interface;
    traitsT traits;
    const clientT *client;
    limitsT limits;
};

/* A failed run's child is ended at once. */
void StopIfFailed(jobT *job) {
    if (job->judge.run.verdict != VerdictPassed && job->pid > 0 && !job->killed)
        kill(-job->pid, SIGKILL), job->killed = true;
}

/* Takes every whole frame in the inbox. */
void TakeFrames(jobT *job) {
    size_t used = 0;
    while (job->inbox.n - used >= sizeof(frameT)) {
        frameT frame;
        memcpy(&frame, job->inbox.s + used, sizeof frame);
        if (job->inbox.n - used - sizeof frame < frame.length) break;
        job->lastFrame = Now();
        JudgeFrame(&job->judge, static_cast<frameKindT>(frame.kind), frame.index,
                   job->inbox.s + used + sizeof frame, frame.length);
        StopIfFailed(job);
        used += sizeof frame + frame.length;
    }
    if (used > 0) memmove(job->inbox.s, job->inbox.s + used, job->inbox.n - used);
    job->inbox.n -= used;
}

void ReadAll(FILE *f, textT *into) {
    rewind(f);
    char chunk[4096];
    for (size_t n; (n = fread(chunk, 1, sizeof chunk, f)) > 0;)
        TextAppend(into, chunk, n);
}

/* The sanitizer's words for the fault it found, or null when it reported none. */
const char *SanitizerFault(const char *report) {
    static const struct {
        const char *mark, *name;
    } faults[] = {
        {"LeakSanitizer: detected memory leaks", "leak"},
        {"AddressSanitizer: heap-use-after-free", "use after free"},
        {"AddressSanitizer: attempting double-free", "double free"},
        {"AddressSanitizer: heap-buffer-overflow", "out of bounds"},
        {"AddressSanitizer: stack-buffer-overflow", "out of bounds"},
        {"AddressSanitizer: global-buffer-overflow", "out of bounds"},
        {"AddressSanitizer: stack-buffer-underflow", "out of bounds"},
        {"AddressSanitizer: attempting free on address which was not malloc()-ed",
         "free of a pointer never handed out"},
        {"AddressSanitizer: SEGV", "crash"},
        {"AddressSanitizer: stack-overflow", "crash"},
        {"AddressSanitizer:", "memory error"},
    };
    for (const auto &fault : faults)
        if (strstr(report, fault.mark) != nullptr) return fault.name;
    return nullptr;
}

/* The child has ended: its verdict from how, when the frames gave none. */
void Conclude(jobT *job, int status) {
    runT *run = &job->judge.run;
    ReadAll(job->err, &run->report);
    run->seconds = Now() - job->start;
    const char *fault = SanitizerFault(TextString(&run->report));
    bool crash = fault != nullptr && strcmp(fault, "crash") == 0;
    int signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    endT end = {WIFEXITED(status) ? WEXITSTATUS(status) : 0,
                signal,
                signal != 0 ? strsignal(signal) : "",
                signal == SIGXCPU,
                nullptr,
                crash ? nullptr : fault,
                "a sanitizer's report",
                strstr(TextString(&run->report), "runtime error:") != nullptr};
    if (crash)
        end.crash = strstr(TextString(&run->report), "stack-overflow") != nullptr
                        ? "stack overflow"
                        : "segmentation fault";
    JudgeEnd(&job->judge, &end);
}

bool Launch(const runnerT *r, jobT *job, const scriptT *script, double seconds) {
    *job = jobT{};
    const char *tmp = getenv("TMPDIR");
    snprintf(job->dir, sizeof job->dir, "%s/check-case.XXXXXX",
             tmp != nullptr && tmp[0] != '\0' ? tmp : "/tmp");
    int fds[2];
    job->out = tmpfile();
    job->err = tmpfile();
    if (job->out == nullptr || job->err == nullptr || mkdtemp(job->dir) == nullptr ||
        pipe(fds) != 0) {
        fprintf(stderr, "check: cannot make a case's scratch files: %s\n", strerror(errno));
        return false;
    }
    StartJudge(&job->judge, r->interface, r->traits, script, r->limits.megabytes);
    fflush(nullptr);
    job->pid = fork();
    if (job->pid < 0) {
        fprintf(stderr, "check: cannot start a case's process: %s\n", strerror(errno));
        return false;
    }
    if (job->pid == 0) {
        close(fds[0]);
        childSetupT setup = {fds[1],   fileno(job->out),    fileno(job->err),
                             job->dir, r->limits.megabytes, static_cast<long>(3 * seconds) + 2};
        RunChild(r->client, script, setup);
    }
    setpgid(job->pid, job->pid); /* as the child does, whichever comes first */
    close(fds[1]);
    job->frames = fds[0];
    job->start = job->lastFrame = Now();
    job->deadline = job->start + seconds;
    return true;
}

/* The case's directory holds at most the files its script wrote; anything more goes by rm. */
void RemoveTree(const char *dir) {
    DIR *d = opendir(dir);
    for (struct dirent *entry; d != nullptr && (entry = readdir(d)) != nullptr;)
        if (strcmp(entry->d_name, ".") != 0 && strcmp(entry->d_name, "..") != 0)
            unlinkat(dirfd(d), entry->d_name, 0);
    if (d != nullptr) closedir(d);
    if (rmdir(dir) == 0) return;
    pid_t pid = fork();
    if (pid == 0) {
        execlp("rm", "rm", "-rf", dir, static_cast<char *>(nullptr));
        _exit(127);
    }
    int status;
    if (pid > 0) waitpid(pid, &status, 0);
}

void Reap(jobT *job) {
    int status = 0;
    while (waitpid(job->pid, &status, 0) < 0 && errno == EINTR) {
    }
    kill(-job->pid, SIGKILL); /* anything it started */
    close(job->frames);
    Conclude(job, status);
    fclose(job->out);
    fclose(job->err);
    RemoveTree(job->dir);
    FreeJudge(&job->judge);
    TextFree(&job->inbox);
    job->pid = 0;
}

/* What the system says a process has used: its processor seconds and resident megabytes, both
 * 0 where /proc cannot tell. */
typedef struct {
    double seconds;
    long megabytes;
} usageT;

usageT Usage(pid_t pid) {
    usageT usage = {0, 0};
    char path[64], line[1024];
    snprintf(path, sizeof path, "/proc/%d/stat", static_cast<int>(pid));
    FILE *f = fopen(path, "r");
    if (f == nullptr) return usage;
    size_t n = fread(line, 1, sizeof line - 1, f);
    fclose(f);
    line[n] = '\0';
    /* after the name in parentheses: fields 3 to 13, the user and system ticks (14, 15), then
     * 16 to 23 and the resident pages (24) */
    const char *p = strrchr(line, ')');
    unsigned long user = 0, system = 0;
    long pages = 0;
    if (p == nullptr ||
        sscanf(p + 1,
               " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu %*d %*d %*d %*d"
               " %*d %*d %*u %*u %ld",
               &user, &system, &pages) != 3)
        return usage;
    usage.seconds = static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
    usage.megabytes = pages * sysconf(_SC_PAGESIZE) >> 20;
    return usage;
}

/* A child over its memory limit has ended early: the limit holds whatever a sanitizer maps, as
 * the runner reads what the child really holds. */
void CheckMemory(const runnerT *r, jobT *job) {
    double now = Now();
    if (now - job->lastUsage < 0.1) return;
    job->lastUsage = now;
    long megabytes = Usage(job->pid).megabytes;
    if (megabytes <= r->limits.megabytes) return;
    runT *run = &job->judge.run;
    if (run->verdict != VerdictPassed) return;
    TextClear(&run->actual);
    TextFormat(&run->actual, "[it held %ld MB, over the limit of %ld MB]\n", megabytes,
               r->limits.megabytes);
    JudgeFail(&job->judge, VerdictEndedEarly, job->judge.reached,
              "ended early: out of memory (the limit is %ld MB)", r->limits.megabytes);
    StopIfFailed(job);
}

/* A sanitizer is writing its report: the module is done, only the report takes its time. */
bool Reporting(jobT *job) {
    char head[4096];
    ssize_t n = pread(fileno(job->err), head, sizeof head - 1, 0);
    head[n > 0 ? n : 0] = '\0';
    return strstr(head, "Sanitizer") != nullptr;
}

/* At the deadline: a child stuck in one line has timed out; a moving one gets more time. */
void CheckDeadline(jobT *job, double seconds) {
    double now = Now();
    if (now < job->deadline) return;
    /* A child whose module is done (its end of input, or its end, came) is only writing a
     * sanitizer's report. One that has not finished a line for half the limit is stuck if it ran
     * for an eighth of the limit since the last deadline (as a loop does even beside a few
     * others); one that ran less was only kept waiting by a loaded machine. Otherwise it is timed
     * by the processor time it has had. */
    double ran = Usage(job->pid).seconds;
    bool done = job->judge.finished || job->judge.ended || Reporting(job);
    bool waited = now - job->lastFrame >= seconds / 2;
    bool stuck = waited && ran - job->ranBefore >= seconds / 8;
    job->ranBefore = ran;
    if ((done || (!stuck && ran < seconds)) && job->extensions < MostExtensions) {
        job->extensions++;
        job->deadline += seconds;
        return;
    }
    JudgeTimeOut(&job->judge, seconds, now - job->start);
    StopIfFailed(job);
}

/*
 * Runs the scripts, as many at once as allowed, each with the given limit; fills runs[i].
 * Returns false when a process or scratch file cannot be had.
 */
bool RunScripts(const runnerT *r, const scriptT *const *scripts, int count, double seconds,
                runT *runs) {
    jobT *jobs = static_cast<jobT *>(calloc(MostAtOnce, sizeof(jobT)));
    if (jobs == nullptr) abort();
    int next = 0, running = 0;
    int *which = static_cast<int *>(calloc(MostAtOnce, sizeof(int)));
    if (which == nullptr) abort();
    bool ok = true;
    while (next < count || running > 0) {
        for (int slot = 0; slot < MostAtOnce && next < count && ok; slot++)
            if (jobs[slot].pid == 0) {
                ok = Launch(r, &jobs[slot], scripts[next], seconds);
                which[slot] = next++;
                running += ok;
            }
        if (!ok && running == 0) break;
        struct pollfd fds[MostAtOnce];
        int slots[MostAtOnce], n = 0;
        for (int slot = 0; slot < MostAtOnce; slot++)
            if (jobs[slot].pid > 0) {
                fds[n] = {jobs[slot].frames, POLLIN, 0};
                slots[n++] = slot;
            }
        poll(fds, static_cast<nfds_t>(n), 100);
        for (int k = 0; k < n; k++) {
            jobT *job = &jobs[slots[k]];
            if (fds[k].revents != 0) {
                char chunk[65536];
                ssize_t got = read(job->frames, chunk, sizeof chunk);
                if (got > 0) {
                    TextAppend(&job->inbox, chunk, static_cast<size_t>(got));
                    TakeFrames(job);
                    CheckMemory(r, job);
                    CheckDeadline(job, seconds);
                    continue;
                }
                if (got < 0 && errno == EINTR) continue;
                Reap(job);
                runs[which[slots[k]]] = job->judge.run;
                running--;
                continue;
            }
            CheckMemory(r, job);
            CheckDeadline(job, seconds);
        }
    }
    free(jobs);
    free(which);
    return ok;
}

/* A trial of a shorter script while a failure is cut down, within a number of runs and a
 * time budget. */
typedef struct {
    const runnerT *r;
    const runT *failed;
    double stop, fuse;
    int runsLeft;
} trialsT;

trialT Trial(void *context, const scriptT *script) {
    trialsT *t = static_cast<trialsT *>(context);
    if (t->runsLeft == 0 || Now() >= t->stop) return TrialStop;
    t->runsLeft--;
    runT run = {};
    bool ran = RunScripts(t->r, &script, 1, t->fuse, &run);
    bool same = ran && SameFailure(&run, t->failed);
    FreeRun(&run);
    return !ran ? TrialStop : same ? TrialFails : TrialPasses;
}

/* Cuts a failure down within budget seconds; a time-out only to the line it was stuck in, since
 * a run that loops would cost its limit again each time. */
scriptT Shrink(const runnerT *r, const scriptT *script, const runT *failed, double budget) {
    double fuse = failed->seconds * 3 + 0.5;
    trialsT trials = {r, failed, Now() + budget,
                      fuse < r->limits.seconds ? fuse : r->limits.seconds, MostShrinkRuns};
    bool cut = failed->verdict != VerdictTimedOut && budget > 0;
    return ShrinkScript(r->interface, r->traits, script, failed->at, cut ? Trial : nullptr,
                        &trials);
}

}  // namespace

bool RunCases(const interfaceT *interface, traitsT traits, const clientT *client,
              const caseListT *cases, limitsT limits, resultT *results) {
    runnerT r = {interface, traits, client, limits};
    int count = cases->count;
    const scriptT **scripts =
        static_cast<const scriptT **>(calloc(static_cast<size_t>(count) + 1, sizeof *scripts));
    runT *runs = static_cast<runT *>(calloc(static_cast<size_t>(count) + 1, sizeof *runs));
    if (scripts == nullptr || runs == nullptr) abort();
    for (int i = 0; i < count; i++)
        scripts[i] = &cases->at[i].script;
    bool ok = RunScripts(&r, scripts, count, limits.seconds, runs);
    /* Cutting down shares a budget of twice the limit among the failures, each of which gets its
     * share of what is left when its turn comes. */
    int failing = 0;
    for (int i = 0; i < count; i++)
        failing += runs[i].verdict != VerdictPassed;
    scriptT *cuts = static_cast<scriptT *>(calloc(static_cast<size_t>(count) + 1, sizeof *cuts));
    const scriptT **rerun =
        static_cast<const scriptT **>(calloc(static_cast<size_t>(count) + 1, sizeof *rerun));
    int *rerunOf = static_cast<int *>(calloc(static_cast<size_t>(count) + 1, sizeof *rerunOf));
    if (cuts == nullptr || rerun == nullptr || rerunOf == nullptr) abort();
    double budgetEnd = Now() + 2 * limits.seconds;
    int reruns = 0;
    for (int i = 0; i < count && ok; i++) {
        if (runs[i].verdict == VerdictPassed) continue;
        double left = budgetEnd - Now();
        cuts[i] = Shrink(&r, &cases->at[i].script, &runs[i], left > 0 ? left / failing : 0);
        failing--;
        /* The cut script, run once more for what it prints; a time-out is not run again. */
        if (runs[i].verdict != VerdictTimedOut && cuts[i].count < cases->at[i].script.count)
            rerun[reruns] = &cuts[i], rerunOf[reruns++] = i;
    }
    runT *again = static_cast<runT *>(calloc(static_cast<size_t>(reruns) + 1, sizeof *again));
    if (again == nullptr) abort();
    ok = ok && RunScripts(&r, rerun, reruns, limits.seconds, again);
    for (int k = 0; k < reruns; k++) {
        runT *run = &runs[rerunOf[k]];
        if (ok && again[k].verdict != VerdictPassed)
            FreeRun(run), *run = again[k];
        else
            FreeRun(&again[k]);
    }
    for (int i = 0; i < count && ok; i++) {
        const caseT *kase = &cases->at[i];
        results[i] = resultT{kase, runs[i].verdict, {}, {}, 0};
        if (runs[i].verdict == VerdictPassed) {
            results[i].points = kase->points;
            continue;
        }
        TextAppend(&results[i].summary, runs[i].summary.s, runs[i].summary.n);
        DescribeRun(interface->client, kase, &cuts[i], &runs[i], &results[i].details);
    }
    for (int i = 0; i < count; i++)
        ScriptFree(&cuts[i]);
    free(cuts);
    free(rerun);
    free(rerunOf);
    free(again);
    for (int i = 0; i < count; i++)
        FreeRun(&runs[i]);
    free(runs);
    free(scripts);
    return ok;
}
