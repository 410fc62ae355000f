/*
 * check: compiles an implementation of one interface (buffer, scanner, set or dictionary) with
 * the system's compiler against the installed checker (check/checkmain.h) and runs every case
 * on it, reporting in the form asked for; with --bench, a buffer is also timed beside the
 * bundled modules. Run as workbench check INTERFACE, or as check-buffer, the buffer's own name
 * from before (its manual page, workbench-check(1)).
 *
 * The compilers are $CC and $CXX, cc and c++ without them: a student's own toolchain, not the
 * one workbench was built with. The cases run under AddressSanitizer and
 * UndefinedBehaviorSanitizer where the compiler links them, since leaks and overruns are the
 * faults a conformance run otherwise misses; the benchmark builds without them, optimised.
 */
#define _POSIX_C_SOURCE 200809L

#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <spawn.h>
#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "check/check.h"
#include "check/report.h"
#include "support/numread.h"
#include "support/selfpath.h"

extern char **environ;

enum { MaxFiles = 64, MaxArgs = MaxFiles + 64, StatusUsage = 2, StatusFault = 3 };

/* Each interface's archives for its checker program, in link order (check/CMakeLists.txt). */
typedef struct {
    const char *name;
    const char *libs;
} linkT;

static const linkT links[] = {
#include "check/check_links.inc"
};

/* The bundled buffer modules as buffers/CMakeLists.txt declares them, for --bench. */
typedef struct {
    const char *name;
    int capacity;
    bool reportsEnds;
    bool view;
    const char *libs;
} moduleT;

static const moduleT modules[] = {
#include "buffers/buffer_modules.inc"
};
enum { ModuleCount = sizeof modules / sizeof modules[0] };

static const char *const sanitizers[] = {"-fsanitize=address,undefined",
                                         "-fno-sanitize-recover=all", "-fno-omit-frame-pointer"};

typedef struct {
    const char *cc, *cxx;
    char include[PATH_MAX + 16]; /* -I<prefix>/include/workbench */
    char lib[PATH_MAX + 16];     /* -L<prefix>/lib/workbench */
    char scratch[PATH_MAX];
    char messages[PATH_MAX + 16]; /* the compiler's and linker's words */
    bool sanitize;
} toolsT;

/* The command line, as the checker program takes it beside the files. */
typedef struct {
    const char *self; /* "check" or "check-buffer" */
    const interfaceT *interface;
    const char *libs;
    char *files[MaxFiles];
    int nfiles;
    const char *pass[MaxArgs]; /* options for the checker program */
    int npass;
    int capacity, megabytes;
    bool reportsEnds, bench;
    formatT format;
    const char *output;
} requestT;

static int Usage(const char *self) {
    if (strcmp(self, "check-buffer") == 0)
        fputs("usage: workbench check-buffer [options] FILE...\n", stderr);
    else
        fputs("usage: workbench check buffer|scanner|set|dictionary [options] FILE...\n", stderr);
    fputs(
        "options: [--capacity N] [--reports-ends] [--timeout SECONDS] [--memory MB]\n"
        "         [--cases FILE]... [--weights FILE] [--format "
        "text|tap|junit|gradescope|prairielearn]\n"
        "         [--output FILE] [--bench]\n",
        stderr);
    return StatusUsage;
}

/* Runs argv and returns its exit status, 128 + the signal that ended it, or -1 when it could
 * not be started (said on standard error). Standard output and error go to the files named,
 * where given. */
static int Spawn(char *const argv[], const char *out, const char *err) {
    pid_t pid;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (out != NULL)
        posix_spawn_file_actions_addopen(&actions, 1, out, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (err != NULL)
        posix_spawn_file_actions_addopen(&actions, 2, err, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    fflush(NULL);
    int error = posix_spawnp(&pid, argv[0], &actions, NULL, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        fprintf(stderr, "workbench check: cannot run %s: %s\n", argv[0], strerror(error));
        return -1;
    }
    int status;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

static bool IsCxx(const char *file) {
    const char *dot = strrchr(file, '.');
    return dot != NULL && (strcmp(dot, ".cpp") == 0 || strcmp(dot, ".cc") == 0 ||
                           strcmp(dot, ".cxx") == 0 || strcmp(dot, ".C") == 0);
}

/* argv under construction. */
typedef struct {
    char *arg[MaxArgs];
    int n;
} argsT;

static void Add(argsT *a, const char *arg) {
    if (a->n < MaxArgs - 1) a->arg[a->n++] = (char *)arg; /* posix_spawn's argv is not const */
    a->arg[a->n] = NULL;
}

/* Adds each word of a list of link arguments. */
static void AddWords(argsT *a, const char *words, char *copy, size_t size) {
    snprintf(copy, size, "%s", words);
    for (char *w = strtok(copy, " "); w != NULL; w = strtok(NULL, " "))
        Add(a, w);
}

/* Appends the file of the compiler's and linker's messages to text, and shows it. */
static void TakeMessages(const toolsT *t, textT *messages) {
    FILE *f = fopen(t->messages, "r");
    if (f == NULL) return;
    char chunk[4096];
    for (size_t n; (n = fread(chunk, 1, sizeof chunk, f)) > 0;) {
        TextAppend(messages, chunk, n);
        fwrite(chunk, 1, n, stderr);
    }
    fclose(f);
}

/*
 * Compiles each file into the scratch directory and links them with the checker as program
 * (libs: a bundled module's archives, when it is one). Returns 0, -1 when the compiler cannot
 * be started, or 1 when a file does not compile or the whole does not link (why, and the
 * compiler's messages, in messages).
 */
static int Build(const toolsT *t, const requestT *r, char *const *files, int nfiles, bool sanitize,
                 const char *program, const char *libs, textT *messages) {
    static char objects[MaxFiles][PATH_MAX + 32];
    static char words[2][512];
    bool cxx = false;
    for (int i = 0; i < nfiles; i++) {
        argsT a = {.n = 0};
        cxx = cxx || IsCxx(files[i]);
        snprintf(objects[i], sizeof objects[i], "%s/%s.%d.o", t->scratch, program, i);
        Add(&a, IsCxx(files[i]) ? t->cxx : t->cc);
        Add(&a, "-g");
        Add(&a, sanitize ? "-O1" : "-O2");
        if (sanitize)
            for (size_t k = 0; k < sizeof sanitizers / sizeof sanitizers[0]; k++)
                Add(&a, sanitizers[k]);
        Add(&a, t->include);
        Add(&a, "-c");
        Add(&a, files[i]);
        Add(&a, "-o");
        Add(&a, objects[i]);
        int status = Spawn(a.arg, NULL, t->messages);
        TakeMessages(t, messages);
        if (status < 0) return -1;
        if (status != 0) {
            TextFormat(messages, "%s does not compile (the compiler's messages above)\n", files[i]);
            fprintf(stderr,
                    "workbench check: %s does not compile (the compiler's messages above)\n",
                    files[i]);
            return 1;
        }
    }
    char path[PATH_MAX + 32];
    snprintf(path, sizeof path, "%s/%s", t->scratch, program);
    argsT a = {.n = 0};
    Add(&a, cxx ? t->cxx : t->cc);
    if (sanitize)
        for (size_t k = 0; k < sizeof sanitizers / sizeof sanitizers[0]; k++)
            Add(&a, sanitizers[k]);
    Add(&a, "-Wl,-u,CheckMainAnchor"); /* the checker's main, whatever the files define */
    for (int i = 0; i < nfiles; i++)
        Add(&a, objects[i]);
    Add(&a, "-o");
    Add(&a, path);
    Add(&a, t->lib);
    AddWords(&a, r->libs, words[0], sizeof words[0]);
    AddWords(&a, libs, words[1], sizeof words[1]);
    Add(&a, "-lm");
    int status = Spawn(a.arg, NULL, t->messages);
    TakeMessages(t, messages);
    if (status < 0) return -1;
    if (status != 0) {
        TextFormat(messages,
                   "the files do not link into a program with the checker (the linker's messages "
                   "above): each operation of %s must be defined once, and nothing named main\n",
                   r->interface->header);
        fprintf(stderr,
                "workbench check: the files do not link into a program with the checker (the "
                "linker's messages above): each operation of %s must be defined once, and "
                "nothing named main\n",
                r->interface->header);
        return 1;
    }
    return 0;
}

/* Runs a built checker program with the request's options; returns its status. */
static int RunChecker(const toolsT *t, const requestT *r, const char *program, const char *bench,
                      int capacity, bool reportsEnds) {
    char path[PATH_MAX + 32], number[16];
    snprintf(path, sizeof path, "%s/%s", t->scratch, program);
    snprintf(number, sizeof number, "%d", capacity);
    argsT a = {.n = 0};
    Add(&a, path);
    if (bench != NULL) {
        if (capacity > 0) Add(&a, "--capacity"), Add(&a, number);
        if (reportsEnds) Add(&a, "--reports-ends");
        Add(&a, "--bench"), Add(&a, "--name"), Add(&a, bench);
    } else {
        for (int i = 0; i < r->npass; i++)
            Add(&a, r->pass[i]);
    }
    return Spawn(a.arg, NULL, NULL);
}

/* The compiler links the sanitizers when an empty program builds and runs with them. */
static int ProbeSanitizers(toolsT *t) {
    char source[PATH_MAX + 32], program[PATH_MAX + 32];
    snprintf(source, sizeof source, "%s/probe.c", t->scratch);
    snprintf(program, sizeof program, "%s/probe", t->scratch);
    FILE *f = fopen(source, "w");
    if (f == NULL) return -1;
    fputs("int main(void) { return 0; }\n", f);
    fclose(f);
    argsT a = {.n = 0};
    Add(&a, t->cc);
    for (size_t k = 0; k < sizeof sanitizers / sizeof sanitizers[0]; k++)
        Add(&a, sanitizers[k]);
    Add(&a, source);
    Add(&a, "-o");
    Add(&a, program);
    int status = Spawn(a.arg, "/dev/null", "/dev/null");
    if (status < 0) {
        fprintf(stderr, "workbench check: no C compiler (set CC to one)\n");
        return -1;
    }
    t->sanitize = status == 0 && Spawn((char *[]){program, NULL}, "/dev/null", "/dev/null") == 0;
    return 0;
}

static void RemoveScratch(const char *dir) {
    char command[PATH_MAX + 16];
    snprintf(command, sizeof command, "%s", dir);
    Spawn((char *[]){"rm", "-rf", command, NULL}, NULL, NULL);
}

/* The installed checker, relative to this program: the prefix's include/ and lib/. */
static bool FindChecker(toolsT *t) {
    char header[PATH_MAX], lib[PATH_MAX];
    struct stat st;
    if (!SelfRelativePath(CHECK_INCLUDE "/check/check.h", header, sizeof header) ||
        stat(header, &st) != 0 || !SelfRelativePath(CHECK_LIB, lib, sizeof lib))
        return false;
    header[strlen(header) - strlen("/check/check.h")] = '\0';
    snprintf(t->include, sizeof t->include, "-I%s", header);
    snprintf(t->lib, sizeof t->lib, "-L%s", lib);
    return true;
}

/* Reads the command line into r; false for one that is not right. */
static bool ReadRequest(int argc, char **argv, requestT *r) {
    const char *slash = strrchr(argv[0], '/');
    r->self = slash != NULL ? slash + 1 : argv[0];
    int i = 1;
    const char *name = "buffer";
    if (strcmp(r->self, "check-buffer") != 0) {
        if (argc < 2) return false;
        name = argv[i++];
    }
    r->interface = FindInterface(name);
    for (size_t k = 0; r->interface != NULL && k < sizeof links / sizeof links[0]; k++)
        if (strcmp(links[k].name, name) == 0) r->libs = links[k].libs;
    if (r->interface == NULL || r->libs == NULL) {
        fprintf(stderr, "workbench check: no interface named '%s'\n", name);
        return false;
    }
    bool buffer = r->interface == &BufferInterface;
    for (; i < argc; i++) {
        const char *arg = argv[i];
        if ((strcmp(arg, "--reports-ends") == 0 && buffer)) {
            r->reportsEnds = true;
            r->pass[r->npass++] = arg;
        } else if (strcmp(arg, "--bench") == 0 && buffer) {
            r->bench = true;
        } else if (strncmp(arg, "--", 2) == 0) {
            static const char *const valued[] = {"--timeout", "--memory", "--cases",   "--weights",
                                                 "--format",  "--output", "--capacity"};
            bool known = false;
            for (size_t k = 0; k < sizeof valued / sizeof valued[0]; k++)
                known = known || (strcmp(arg, valued[k]) == 0 && (k < 6 || buffer));
            if (!known || i + 1 == argc || r->npass + 2 >= MaxArgs) return false;
            const char *value = argv[++i];
            if (strcmp(arg, "--capacity") == 0 &&
                !(ParseInt(value, strlen(value), RefuseOutOfRange, &r->capacity) &&
                  r->capacity > 0))
                return false;
            if (strcmp(arg, "--format") == 0 && !ParseFormat(value, &r->format)) return false;
            if (strcmp(arg, "--memory") == 0 &&
                !(ParseInt(value, strlen(value), RefuseOutOfRange, &r->megabytes) &&
                  r->megabytes > 0))
                return false;
            if (strcmp(arg, "--output") == 0) r->output = value;
            r->pass[r->npass++] = arg;
            r->pass[r->npass++] = value;
        } else if (arg[0] == '-' || r->nfiles == MaxFiles) {
            return false;
        } else {
            r->files[r->nfiles++] = argv[i];
        }
    }
    return r->nfiles > 0;
}

/*
 * The module did not build: every case fails without running, worth nothing, and the report
 * carries the compiler's messages, so that a grading platform still reads a whole result.
 */
static int ReportNotBuilt(const requestT *r, const textT *messages) {
    caseListT cases = {0};
    textT error = {0};
    traitsT traits = {r->capacity, r->reportsEnds};
    const char *caseFiles[MaxArgs];
    int caseFileCount = 0;
    const char *weights = NULL;
    for (int i = 0; i + 1 < r->npass; i++) {
        if (strcmp(r->pass[i], "--cases") == 0) caseFiles[caseFileCount++] = r->pass[i + 1];
        if (strcmp(r->pass[i], "--weights") == 0) weights = r->pass[i + 1];
    }
    if (!GatherCases(r->interface, traits, caseFiles, caseFileCount, weights, &cases, &error)) {
        fprintf(stderr, "workbench check: %s\n", TextString(&error));
        TextFree(&error);
        FreeCases(&cases);
        return StatusUsage;
    }
    resultT *results = calloc((size_t)cases.count + 1, sizeof *results);
    if (results == NULL) abort();
    for (int i = 0; i < cases.count; i++) {
        results[i] = (resultT){&cases.at[i], VerdictNotBuilt, {0}, {0}, 0};
        TextAppendString(&results[i].summary, "not built: the module does not build");
    }
    FILE *out = r->output != NULL ? fopen(r->output, "w") : stdout;
    int status = 1;
    if (out == NULL) {
        fprintf(stderr, "workbench check: cannot write %s: %s\n", r->output, strerror(errno));
        status = StatusUsage;
    } else {
        WriteReport(r->format, r->interface, results, cases.count, TextString(messages), out);
        if (out != stdout && fclose(out) != 0) status = StatusFault;
    }
    for (int i = 0; i < cases.count; i++)
        FreeResult(&results[i]);
    free(results);
    FreeCases(&cases);
    return status;
}

/* Times the module, built optimised, then each bundled one. */
static int Bench(const toolsT *t, const requestT *r) {
    textT messages = {0};
    puts("");
    const char *slash = strrchr(r->files[0], '/');
    int status = 0;
    if (Build(t, r, r->files, r->nfiles, false, "bench", "", &messages) != 0) status = StatusUsage;
    if (status == 0)
        RunChecker(t, r, "bench", slash != NULL ? slash + 1 : r->files[0], r->capacity,
                   r->reportsEnds);
    for (int i = 0; i < ModuleCount && status == 0; i++) {
        const moduleT *m = &modules[i];
        puts("");
        if (Build(t, r, NULL, 0, false, m->name, m->libs, &messages) != 0)
            status = StatusUsage;
        else
            RunChecker(t, r, m->name, m->name, m->capacity, m->reportsEnds);
    }
    TextFree(&messages);
    return status;
}

int main(int argc, char **argv) {
    requestT r = {.megabytes = DefaultMegabytes};
    if (!ReadRequest(argc, argv, &r)) return Usage(r.self);
    toolsT t = {.cc = getenv("CC"), .cxx = getenv("CXX")};
    if (t.cc == NULL || t.cc[0] == '\0') t.cc = "cc";
    if (t.cxx == NULL || t.cxx[0] == '\0') t.cxx = "c++";
    if (!FindChecker(&t)) {
        fputs(
            "workbench check: cannot find the installed checker "
            "(include/workbench/check/check.h beside this program's tree)\n",
            stderr);
        return StatusFault;
    }
    const char *tmp = getenv("TMPDIR");
    snprintf(t.scratch, sizeof t.scratch, "%s/check.XXXXXX",
             tmp != NULL && tmp[0] != '\0' ? tmp : "/tmp");
    if (mkdtemp(t.scratch) == NULL) {
        fprintf(stderr, "workbench check: cannot make a scratch directory: %s\n", strerror(errno));
        return StatusFault;
    }
    snprintf(t.messages, sizeof t.messages, "%s/messages", t.scratch);
    int status = StatusUsage;
    textT messages = {0};
    if (ProbeSanitizers(&t) < 0) goto done;
    int built = Build(&t, &r, r.files, r.nfiles, t.sanitize, "check", "", &messages);
    if (built < 0) goto done;
    if (built > 0) {
        status = ReportNotBuilt(&r, &messages);
        goto done;
    }
    /* The report's own stream stays clean for the formats a program reads. */
    FILE *say = r.format == FormatText && r.output == NULL ? stdout : stderr;
    if (t.sanitize)
        fprintf(say, "Checking with AddressSanitizer and UndefinedBehaviorSanitizer (%s).\n", t.cc);
    else
        fprintf(say,
                "Checking without AddressSanitizer: %s does not link it, so leaks and overruns "
                "go unseen.\n",
                t.cc);
    /* AddressSanitizer maps far more than it uses, so it keeps the memory limit itself. */
    char asan[64];
    snprintf(asan, sizeof asan, "hard_rss_limit_mb=%d", r.megabytes);
    if (getenv("ASAN_OPTIONS") == NULL) setenv("ASAN_OPTIONS", asan, 1);
    status = RunChecker(&t, &r, "check", NULL, 0, false);
    if (status == 0 && r.bench) status = Bench(&t, &r);
done:
    TextFree(&messages);
    RemoveScratch(t.scratch);
    return status;
}
