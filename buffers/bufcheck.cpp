/*
 * bufcheck: the buffer conformance cases as a library (buffers/bufcheck.h).
 *
 * A case runs in a child process so that a module that crashes, ends the program or trips a
 * sanitizer fails that case instead of taking the checker down; the child reports where it got
 * through a shared page, so the commands up to the one that failed are known in every case.
 * The child's standard output (descriptor 1, so printf, puts and std::cout alike) goes to a
 * scratch file that is read back after each command.
 */
#include "buffers/bufcheck.h"

#include <errno.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include "buffers/buffer.h"
#include "support/numread.h"

namespace {

/* A growing byte string; the checker's own memory comes from malloc, not from GetBlock, so
 * that it never counts against the module. */
typedef struct {
    char *s;
    size_t n, room;
} textT;

/* Makes room for n more bytes and a NUL. */
void Reserve(textT *t, size_t n) {
    if (t->n + n + 1 > t->room) {
        t->room = (t->n + n + 1) * 2;
        t->s = static_cast<char *>(realloc(t->s, t->room));
        if (t->s == nullptr) abort();
    }
}

void Append(textT *t, const char *s, size_t n) {
    Reserve(t, n);
    memcpy(t->s + t->n, s, n);
    t->n += n;
    t->s[t->n] = '\0';
}

void AppendString(textT *t, const char *s) {
    Append(t, s, strlen(s));
}

/* A case's commands, each a NUL-ended bufdemo line in one text; "N" (internal, never shown)
 * gives the buffer back and starts a fresh one. */
typedef struct {
    textT text;
    long *at; /* where each command starts in text */
    long count, room;
} commandsT;

void AddCommand(commandsT *c, const char *s, size_t n) {
    if (c->count == c->room) {
        c->room = c->room * 2 + 16;
        c->at = static_cast<long *>(realloc(c->at, static_cast<size_t>(c->room) * sizeof(long)));
        if (c->at == nullptr) abort();
    }
    c->at[c->count++] = static_cast<long>(c->text.n);
    Append(&c->text, s, n);
    Append(&c->text, "", 1);
}

const char *Command(const commandsT *c, long i) {
    return c->text.s + c->at[i];
}

void FreeCommands(commandsT *c) {
    free(c->text.s);
    free(c->at);
}

/* The buffer as it must be: a text and a cursor. */
typedef struct {
    bufferTraitsT traits;
    textT text;
    size_t cursor;
} modelT;

bool Overflows(const modelT *m) {
    return m->traits.capacity > 0 && m->text.n >= static_cast<size_t>(m->traits.capacity);
}

/* Applies one command to the model and appends to out (when not null) what bufdemo prints for
 * it after its "> " line: the messages, then the display. */
void ModelCommand(modelT *m, const char *command, textT *out) {
    const char *message = nullptr;
    switch (command[0]) {
        case 'I':
            for (const char *p = command + 1; *p != '\0'; p++) {
                Reserve(&m->text, 1);
                memmove(m->text.s + m->cursor + 1, m->text.s + m->cursor, m->text.n - m->cursor);
                m->text.s[m->cursor++] = *p;
                m->text.n++;
            }
            break;
        case 'F':
            if (m->cursor < m->text.n)
                m->cursor++;
            else if (m->traits.reportsEnds)
                message = "Already at end bro!\n";
            break;
        case 'B':
            if (m->cursor > 0)
                m->cursor--;
            else if (m->traits.reportsEnds)
                message = "Already at beginning bro!\n";
            break;
        case 'J':
            m->cursor = 0;
            break;
        case 'E':
            m->cursor = m->text.n;
            break;
        case 'D':
            if (m->cursor < m->text.n) {
                memmove(m->text.s + m->cursor, m->text.s + m->cursor + 1,
                        m->text.n - m->cursor - 1);
                m->text.n--;
            }
            break;
        default: /* N */
            m->text.n = 0;
            m->cursor = 0;
            return;
    }
    if (out == nullptr) return;
    if (message != nullptr) AppendString(out, message);
    for (size_t i = 0; i < m->text.n; i++) {
        char pair[2] = {' ', m->text.s[i]};
        Append(out, pair, 2);
    }
    AppendString(out, "\n");
    for (size_t i = 0; i < m->cursor; i++)
        AppendString(out, "  ");
    AppendString(out, "^\n");
}

void RunCommand(bufferADT buffer, const char *command) {
    switch (command[0]) {
        case 'I':
            for (const char *p = command + 1; *p != '\0'; p++)
                InsertCharacter(buffer, *p);
            break;
        case 'F':
            MoveCursorForward(buffer);
            break;
        case 'B':
            MoveCursorBackward(buffer);
            break;
        case 'J':
            MoveCursorToStart(buffer);
            break;
        case 'E':
            MoveCursorToEnd(buffer);
            break;
        case 'D':
            DeleteCharacter(buffer);
            break;
    }
}

/*
 * An edit script, one letter an operation, made into bufdemo commands: < > [ ] # are B F J E D
 * and any other character is typed, a run of them as one I command. A character that would
 * overfill a module with a capacity is left out.
 */
void ScriptCommands(const char *script, bufferTraitsT traits, commandsT *out) {
    const char *const letters = "<>[]#";
    modelT m = {traits, {nullptr, 0, 0}, 0};
    textT typed = {nullptr, 0, 0};
    for (const char *p = script;; p++) {
        const char *letter = *p == '\0' ? nullptr : strchr(letters, *p);
        if (*p != '\0' && letter == nullptr) {
            if (typed.n == 0) AppendString(&typed, "I");
            if (!Overflows(&m)) {
                char one[3] = {'I', *p, '\0'};
                ModelCommand(&m, one, nullptr);
                Append(&typed, p, 1);
            }
            continue;
        }
        if (typed.n > 1) AddCommand(out, typed.s, typed.n);
        typed.n = 0;
        if (*p == '\0') break;
        char command[2] = {"BFJED"[letter - letters], '\0'};
        ModelCommand(&m, command, nullptr);
        AddCommand(out, command, 1);
    }
    free(typed.s);
    free(m.text.s);
}

/* A fixed case: an edit script, and for a few the literal output of its last command, which
 * pins the display's layout beside the model's. */
typedef struct {
    const char *name;
    const char *script;
    const char *last;
} scriptCaseT;

const scriptCaseT scriptCases[] = {
    {"a new buffer shows an empty line and the caret", "[", "\n^\n"},
    {"the text and the caret column", "abc", " a b c\n      ^\n"},
    {"the caret after one step from the start", "abc[>", " a b c\n  ^\n"},
    {"a jump to the end", "abc[>]", " a b c\n      ^\n"},
    {"typing inside keeps the order", "ac<b]<x", nullptr},
    {"deleting the character after the cursor", "abc[#]#<##[#", nullptr},
    {"jumps print nothing", "abcdefghij[[]]", nullptr},
    {"steps past either end change nothing", "><ab>[<", nullptr},
    {"typing at the start each time", "a[b[c[d[e[f", nullptr},
    {"typing inside the text", "abcdefgh<<<<xyz", nullptr},
    {"typing at one place in reverse", "abcdefgh[>>1<2<3<4<5<6<", nullptr},
    {"deleting everything from the start, then typing", "abcdefghij[##########xy", nullptr},
    {"deleting everything backwards from the end", "abcdefghij<#<#<#<#<#<#<#<#<#<#", nullptr},
    {"deleting a run inside the text", "abcdefghijkl[>>>######", nullptr},
    {"deleting the last character, then typing", "abcdefghi<#z", nullptr},
    {"stepping forward over the whole text", "abcdefghij[>>>>>>>>>#", nullptr},
    {"stepping back over the whole text", "abcdefghij<<<<<<<<<<x", nullptr},
    {"mixed edits", "abcdefgh<<<#x[#]<#yz", nullptr},
    {"blanks and punctuation shown as they are", " a-b<!", nullptr},
    {"typing past many blocks and back", "abcdefghijklmnopqrstuvwxyz[>>>>>12345<<<<<<<#]<<#",
     nullptr},
};
enum { ScriptCaseCount = sizeof scriptCases / sizeof scriptCases[0] };

/*
 * Long random runs of every operation, weighed differently: balanced edits keep the text short
 * and the cursor busy near both ends; growing edits build long texts; shrinking edits delete
 * and jump a lot and now and then give the buffer back and start a fresh one.
 */
enum { OpForward, OpBackward, OpStart, OpEnd, OpInsert, OpDelete, OpRenew, OpCount };
typedef struct {
    const char *name;
    unsigned seed;
    int steps;
    int weight[OpCount];
} profileT;

const profileT profiles[] = {
    {"random balanced edits", 12345, 20000, {8, 8, 1, 1, 16, 16, 0}},
    {"random growing edits", 99, 6000, {6, 6, 1, 1, 20, 4, 0}},
    {"random shrinking edits, fresh buffers now and then", 2024, 12000, {4, 4, 3, 3, 10, 12, 1}},
};
enum { ProfileCount = sizeof profiles / sizeof profiles[0] };

void RandomCommands(const profileT *profile, bufferTraitsT traits, commandsT *out) {
    modelT m = {traits, {nullptr, 0, 0}, 0};
    int total = 0;
    for (int w : profile->weight)
        total += w;
    srand(profile->seed);
    for (int step = 0; step < profile->steps; step++) {
        int pick = rand() % total, op = 0;
        while (pick >= profile->weight[op])
            pick -= profile->weight[op++];
        if (op == OpInsert && Overflows(&m)) continue;
        char command[2] = {"FBJEIDN"[op],
                           static_cast<char>('a' + (op == OpInsert ? rand() % 26 : 0))};
        size_t n = op == OpInsert ? 2 : 1;
        AddCommand(out, command, n);
        ModelCommand(&m, Command(out, out->count - 1), nullptr);
    }
    free(m.text.s);
}

/* How a run of commands ended. */
typedef enum { RunPassed, RunMismatch, RunExited, RunKilled, RunTimedOut } runEndT;

typedef struct {
    runEndT end;
    long at;     /* the command it failed in; the command count when it failed after the last */
    int status;  /* the exit status, or the signal */
    textT shown; /* a mismatch: what the module printed for that command */
} runT;

/* Where the child has got, in a page it shares with the parent. */
typedef struct {
    long at;
    int mismatch;
} progressT;

enum { CaseSeconds = 60 };

[[noreturn]] void Child(const commandsT *c, bufferTraitsT traits, volatile progressT *progress,
                        int result, bool quiet) {
    FILE *capture = tmpfile();
    if (capture == nullptr) _exit(125);
    int fd = fileno(capture);
    fflush(stdout);
    dup2(fd, 1);
    if (quiet) {
        FILE *null = fopen("/dev/null", "w");
        if (null != nullptr) dup2(fileno(null), 2);
    }
    alarm(CaseSeconds);
    modelT m = {traits, {nullptr, 0, 0}, 0};
    textT expected = {nullptr, 0, 0}, shown = {nullptr, 0, 0};
    bufferADT buffer = NewBuffer();
    for (long i = 0; i < c->count; i++) {
        progress->at = i;
        const char *command = Command(c, i);
        expected.n = 0;
        if (command[0] == 'N') {
            FreeBuffer(buffer);
            buffer = NewBuffer();
            ModelCommand(&m, command, nullptr);
        } else {
            RunCommand(buffer, command);
            DisplayBuffer(buffer);
            ModelCommand(&m, command, &expected);
        }
        fflush(stdout);
        off_t size = lseek(fd, 0, SEEK_END);
        shown.n = 0;
        if (size > 0) {
            Reserve(&shown, static_cast<size_t>(size));
            shown.n = static_cast<size_t>(pread(fd, shown.s, static_cast<size_t>(size), 0));
        }
        if (shown.n != expected.n || memcmp(shown.s, expected.s, shown.n) != 0) {
            progress->mismatch = 1;
            for (size_t done = 0; done < shown.n;) {
                ssize_t n = write(result, shown.s + done, shown.n - done);
                if (n <= 0) break;
                done += static_cast<size_t>(n);
            }
            _exit(1); /* the buffer is left as it failed, and no leak is reported for it */
        }
        if (ftruncate(fd, 0) != 0) _exit(125);
        lseek(fd, 0, SEEK_SET);
    }
    progress->at = c->count;
    FreeBuffer(buffer);
    free(m.text.s);
    free(expected.s);
    free(shown.s);
    exit(0); /* through exit, so that a leak checker looks at what FreeBuffer left */
}

/* Runs the first count commands of c in a child; quiet sends its standard error away. */
runT Run(const commandsT *c, long count, bufferTraitsT traits, bool quiet) {
    runT run = {RunPassed, 0, 0, {nullptr, 0, 0}};
    void *page =
        mmap(nullptr, sizeof(progressT), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    int fds[2];
    if (page == MAP_FAILED || pipe(fds) != 0) abort();
    volatile progressT *progress = static_cast<volatile progressT *>(page);
    progress->at = 0;
    progress->mismatch = 0;
    commandsT head = *c;
    head.count = count;
    fflush(nullptr);
    pid_t pid = fork();
    if (pid < 0) abort();
    if (pid == 0) {
        close(fds[0]);
        Child(&head, traits, progress, fds[1], quiet);
    }
    close(fds[1]);
    char chunk[4096];
    for (ssize_t n; (n = read(fds[0], chunk, sizeof chunk)) != 0;) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        Append(&run.shown, chunk, static_cast<size_t>(n));
    }
    close(fds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    run.at = progress->at;
    if (progress->mismatch)
        run.end = RunMismatch;
    else if (WIFSIGNALED(status))
        run.end = WTERMSIG(status) == SIGALRM ? RunTimedOut : RunKilled,
        run.status = WTERMSIG(status);
    else if (WEXITSTATUS(status) != 0)
        run.end = RunExited, run.status = WEXITSTATUS(status);
    munmap(page, sizeof(progressT));
    return run;
}

/*
 * Cuts a failing run of commands down: drops ever smaller stretches while the rest still fails
 * in some way, within a bounded number of runs. A random run's commands before the last fresh
 * buffer ahead of the failure are dropped first, as they cannot matter to it (bufdemo cannot
 * start a fresh buffer, so they could not be replayed either).
 */
void Shrink(commandsT *c, long failedAt, bufferTraitsT traits, bool cutOnly) {
    long from = failedAt < c->count ? failedAt : c->count - 1;
    while (from >= 0 && Command(c, from)[0] != 'N')
        from--;
    long keep = failedAt < c->count ? failedAt + 1 : c->count;
    commandsT cut = {{nullptr, 0, 0}, nullptr, 0, 0};
    for (long i = from + 1; i < keep; i++)
        AddCommand(&cut, Command(c, i), strlen(Command(c, i)));
    int budget = cutOnly ? 0 : 400; /* a run that hangs would cost CaseSeconds a try */
    for (long chunk = cut.count / 2 > 0 ? cut.count / 2 : 1; chunk >= 1 && budget > 0; chunk /= 2) {
        for (long start = 0; start < cut.count && budget > 0;) {
            commandsT tried = {{nullptr, 0, 0}, nullptr, 0, 0};
            for (long i = 0; i < cut.count; i++)
                if (i < start || i >= start + chunk)
                    AddCommand(&tried, Command(&cut, i), strlen(Command(&cut, i)));
            runT run = Run(&tried, tried.count, traits, true);
            budget--;
            free(run.shown.s);
            if (run.end != RunPassed && tried.count < cut.count) {
                FreeCommands(&cut);
                cut = tried;
            } else {
                FreeCommands(&tried);
                start += chunk;
            }
        }
        if (chunk == 1) break;
    }
    FreeCommands(c);
    *c = cut;
}

void ShowOutput(FILE *out, const char *s, size_t n) {
    fwrite(s, 1, n, out);
    if (n > 0 && s[n - 1] != '\n') fputs("\n[no line end]\n", out);
    if (n == 0) fputs("[nothing]\n", out);
}

void Report(FILE *out, const char *name, const commandsT *c, const runT *run,
            bufferTraitsT traits) {
    fprintf(out, "FAIL %s\n", name);
    fputs("Replay it in bufdemo (or the web page), one command a line:\n", out);
    for (long i = 0; i < c->count; i++)
        fprintf(out, "%s\n", Command(c, i));
    if (c->count == 0) fputs("(none: a new buffer, given straight back)\n", out);
    if (run->at >= c->count) {
        fprintf(out,
                "Every display was right, but giving the buffer back with FreeBuffer ended "
                "the run with status %d; a sanitizer's report above says why.\n",
                run->status);
        return;
    }
    modelT m = {traits, {nullptr, 0, 0}, 0};
    textT expected = {nullptr, 0, 0};
    for (long i = 0; i <= run->at; i++) {
        expected.n = 0;
        ModelCommand(&m, Command(c, i), &expected);
    }
    fputs("Expected after the last command:\n", out);
    ShowOutput(out, expected.s, expected.n);
    fputs("Actual:\n", out);
    switch (run->end) {
        case RunMismatch:
            ShowOutput(out, run->shown.s, run->shown.n);
            break;
        case RunExited:
            fprintf(out, "the program ended with status %d during it (its messages above)\n",
                    run->status);
            break;
        case RunKilled:
            fprintf(out, "the program was killed by signal %d (%s) during it\n", run->status,
                    strsignal(run->status));
            break;
        default:
            fprintf(out, "it had not finished after %d seconds\n", CaseSeconds);
    }
    free(m.text.s);
    free(expected.s);
}

/* Runs one case; at a failure, shrinks it, runs it again where its messages are seen, and
 * reports it. */
bool CheckCase(const char *name, commandsT *c, const char *last, bufferTraitsT traits, FILE *out) {
    runT run = Run(c, c->count, traits, true);
    if (run.end == RunPassed && last != nullptr && c->count > 0) {
        /* The literal output: the last command's display as the model makes it. */
        modelT m = {traits, {nullptr, 0, 0}, 0};
        textT expected = {nullptr, 0, 0};
        for (long i = 0; i < c->count; i++) {
            expected.n = 0;
            ModelCommand(&m, Command(c, i), &expected);
        }
        bool same = strcmp(expected.s, last) == 0;
        free(m.text.s);
        free(expected.s);
        if (!same) {
            fprintf(out, "FAIL %s: the checker's own model is wrong\n", name);
            return false;
        }
    }
    if (run.end == RunPassed) {
        fprintf(out, "ok   %s\n", name);
        free(run.shown.s);
        return true;
    }
    Shrink(c, run.at, traits, run.end == RunTimedOut);
    free(run.shown.s);
    fflush(out);
    run = Run(c, c->count, traits, false);
    if (run.end == RunPassed) /* only the whole run fails: report the last command as it ran */
        run.at = c->count - 1, run.end = RunMismatch;
    Report(out, name, c, &run, traits);
    free(run.shown.s);
    return false;
}

}  // namespace

bool CheckBuffer(bufferTraitsT traits, FILE *out) {
    for (int i = 0; i < ScriptCaseCount; i++) {
        commandsT c = {{nullptr, 0, 0}, nullptr, 0, 0};
        ScriptCommands(scriptCases[i].script, traits, &c);
        bool passed = CheckCase(scriptCases[i].name, &c, scriptCases[i].last, traits, out);
        FreeCommands(&c);
        if (!passed) return false;
    }
    if (traits.capacity > 0) {
        commandsT c = {{nullptr, 0, 0}, nullptr, 0, 0};
        textT script = {nullptr, 0, 0};
        for (int i = 0; i < traits.capacity; i++)
            Append(&script, &"abcdefghijklmnopqrstuvwxyz"[i % 26], 1);
        AppendString(&script, "[>#<]<<#]");
        ScriptCommands(script.s, traits, &c);
        free(script.s);
        bool passed = CheckCase("typing up to the capacity", &c, nullptr, traits, out);
        FreeCommands(&c);
        if (!passed) return false;
    }
    for (int i = 0; i < ProfileCount; i++) {
        commandsT c = {{nullptr, 0, 0}, nullptr, 0, 0};
        RandomCommands(&profiles[i], traits, &c);
        bool passed = CheckCase(profiles[i].name, &c, nullptr, traits, out);
        FreeCommands(&c);
        if (!passed) return false;
    }
    int count =
        static_cast<int>(ScriptCaseCount) + static_cast<int>(ProfileCount) + (traits.capacity > 0);
    fprintf(out, "all %d cases pass\n", count);
    return true;
}

int BufferCheckMain(int argc, char **argv) {
    bufferTraitsT traits = {0, false};
    bool bench = false;
    const char *name = "module";
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--capacity") == 0 && i + 1 < argc &&
            ParseInt(argv[i + 1], strlen(argv[i + 1]), RefuseOutOfRange, &traits.capacity) &&
            traits.capacity > 0)
            i++;
        else if (strcmp(argv[i], "--reports-ends") == 0)
            traits.reportsEnds = true;
        else if (strcmp(argv[i], "--bench") == 0)
            bench = true;
        else if (strcmp(argv[i], "--name") == 0 && i + 1 < argc)
            name = argv[++i];
        else {
            fprintf(stderr, "usage: %s [--capacity N] [--reports-ends] [--bench [--name NAME]]\n",
                    argv[0]);
            return 2;
        }
    }
    if (bench) {
        BenchBuffer(traits.capacity, name, stdout);
        return 0;
    }
    return CheckBuffer(traits, stdout) ? 0 : 1;
}
