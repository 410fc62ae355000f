/*
 * check-buffer: compiles an implementation of buffers/buffer.h with the system's compiler
 * against the installed checker (buffers/bufcheck.h) and runs every case on it; with --bench,
 * also times it beside the bundled modules. Run as workbench check-buffer (its manual page).
 *
 * The compilers are $CC and $CXX, cc and c++ without them: a student's own toolchain, not the
 * one workbench was built with. The case run uses AddressSanitizer and UndefinedBehaviorSanitizer
 * where the compiler links them, since leaks and overruns are the faults a conformance run
 * otherwise misses; the benchmark builds without them, optimised, as the bundled archives are.
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

#include "support/numread.h"
#include "support/selfpath.h"

extern char **environ;

enum { MaxFiles = 64, MaxArgs = MaxFiles + 32 };

/* The bundled modules as buffers/CMakeLists.txt declares them. */
typedef struct {
    const char *name;
    int capacity;
    bool reportsEnds;
    bool view;
    const char *libs; /* the archives to link, in order */
} moduleT;

static const moduleT modules[] = {
#include "buffers/buffer_modules.inc"
};
enum { ModuleCount = sizeof modules / sizeof modules[0] };

static const char *const sanitizers[] = {"-fsanitize=address,undefined",
                                         "-fno-sanitize-recover=all", "-fno-omit-frame-pointer"};

typedef struct {
    const char *cc, *cxx;
    char include[PATH_MAX + 16]; /* -I<prefix>/include */
    char lib[PATH_MAX + 16];     /* -L<prefix>/lib */
    char scratch[PATH_MAX];
    bool sanitize;
} toolsT;

static int Usage(void) {
    fputs("usage: workbench check-buffer [--capacity N] [--reports-ends] [--bench] FILE...\n",
          stderr);
    return 2;
}

/* Runs argv and returns its exit status, 128 + the signal that ended it, or -1 when it could
 * not be started (said on standard error unless quiet). */
static int Spawn(char *const argv[], bool quiet) {
    pid_t pid;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (quiet) {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    }
    fflush(NULL);
    int error = posix_spawnp(&pid, argv[0], &actions, NULL, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        fprintf(stderr, "workbench check-buffer: cannot run %s: %s\n", argv[0], strerror(error));
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

/* Compiles each file into the scratch directory and links them with the checker as program
 * (libs: the module's own archives beyond the files, for a bundled one). Returns 0, -1 when the
 * compiler cannot be started, or 1 when a file does not compile or the whole does not link. */
static int Build(const toolsT *t, char **files, int nfiles, bool sanitize, const char *program,
                 const char *libs) {
    static char objects[MaxFiles][PATH_MAX + 32];
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
        int status = Spawn(a.arg, false);
        if (status < 0) return -1;
        if (status != 0) {
            fprintf(stderr,
                    "workbench check-buffer: %s does not compile (the compiler's "
                    "messages above)\n",
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
    for (int i = 0; i < nfiles; i++)
        Add(&a, objects[i]);
    Add(&a, "-o");
    Add(&a, path);
    Add(&a, t->lib);
    Add(&a, "-lbufcheck_main");
    Add(&a, "-lbufcheck");
    Add(&a, "-lbufbench");
    char words[256];
    snprintf(words, sizeof words, "%s", libs);
    for (char *w = strtok(words, " "); w != NULL; w = strtok(NULL, " "))
        Add(&a, w);
    Add(&a, "-lnumread");
    Add(&a, "-lgenlib");
    Add(&a, "-lm");
    int status = Spawn(a.arg, false);
    if (status < 0) return -1;
    if (status != 0) {
        fputs(
            "workbench check-buffer: the files do not link into a program with the checker "
            "(the linker's messages above): each of the nine operations of buffer.h must be "
            "defined once, and nothing else named main\n",
            stderr);
        return 1;
    }
    return 0;
}

/* Runs a built checker program; returns its status. */
static int RunChecker(const toolsT *t, const char *program, int capacity, bool reportsEnds,
                      const char *bench) {
    char path[PATH_MAX + 32], number[16];
    snprintf(path, sizeof path, "%s/%s", t->scratch, program);
    snprintf(number, sizeof number, "%d", capacity);
    argsT a = {.n = 0};
    Add(&a, path);
    if (capacity > 0) Add(&a, "--capacity"), Add(&a, number);
    if (reportsEnds) Add(&a, "--reports-ends");
    if (bench != NULL) Add(&a, "--bench"), Add(&a, "--name"), Add(&a, bench);
    return Spawn(a.arg, false);
}

/* The compiler links the sanitizers when an empty program builds with them. */
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
    int status = Spawn(a.arg, true);
    if (status < 0) {
        fprintf(stderr, "workbench check-buffer: no C compiler (set CC to one)\n");
        return -1;
    }
    t->sanitize = status == 0 && Spawn((char *[]){program, NULL}, true) == 0;
    return 0;
}

static void RemoveScratch(const char *dir) {
    char command[PATH_MAX + 16];
    snprintf(command, sizeof command, "%s", dir);
    Spawn((char *[]){"rm", "-rf", command, NULL}, true);
}

/* The installed checker, relative to this program: the prefix's include/ and lib/. */
static bool FindChecker(toolsT *t) {
    char header[PATH_MAX], lib[PATH_MAX];
    struct stat st;
    if (!SelfRelativePath(CHECK_BUFFER_INCLUDE "/buffers/bufcheck.h", header, sizeof header) ||
        stat(header, &st) != 0 || !SelfRelativePath(CHECK_BUFFER_LIB, lib, sizeof lib))
        return false;
    header[strlen(header) - strlen("/buffers/bufcheck.h")] = '\0';
    snprintf(t->include, sizeof t->include, "-I%s", header);
    snprintf(t->lib, sizeof t->lib, "-L%s", lib);
    return true;
}

int main(int argc, char **argv) {
    int capacity = 0;
    bool reportsEnds = false, bench = false;
    char *files[MaxFiles];
    int nfiles = 0;
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--capacity") == 0 && i + 1 < argc) {
            if (!ParseInt(argv[i + 1], strlen(argv[i + 1]), RefuseOutOfRange, &capacity) ||
                capacity < 1)
                return Usage();
            i++;
        } else if (strcmp(argv[i], "--reports-ends") == 0)
            reportsEnds = true;
        else if (strcmp(argv[i], "--bench") == 0)
            bench = true;
        else if (argv[i][0] == '-' || nfiles == MaxFiles)
            return Usage();
        else
            files[nfiles++] = argv[i];
    }
    if (nfiles == 0) return Usage();
    toolsT t = {.cc = getenv("CC"), .cxx = getenv("CXX")};
    if (t.cc == NULL || t.cc[0] == '\0') t.cc = "cc";
    if (t.cxx == NULL || t.cxx[0] == '\0') t.cxx = "c++";
    if (!FindChecker(&t)) {
        fputs(
            "workbench check-buffer: cannot find the installed checker "
            "(include/buffers/bufcheck.h beside this program's tree)\n",
            stderr);
        return 2;
    }
    const char *tmp = getenv("TMPDIR");
    snprintf(t.scratch, sizeof t.scratch, "%s/check-buffer.XXXXXX",
             tmp != NULL && tmp[0] != '\0' ? tmp : "/tmp");
    if (mkdtemp(t.scratch) == NULL) {
        fprintf(stderr, "workbench check-buffer: cannot make a scratch directory: %s\n",
                strerror(errno));
        return 2;
    }
    int status = 2;
    if (ProbeSanitizers(&t) < 0) goto done;
    int built = Build(&t, files, nfiles, t.sanitize, "check", "");
    if (built != 0) goto done;
    if (t.sanitize)
        printf("Checking with AddressSanitizer and UndefinedBehaviorSanitizer (%s).\n", t.cc);
    else
        printf(
            "Checking without AddressSanitizer: %s does not link it, so leaks and overruns "
            "go unseen.\n",
            t.cc);
    status = RunChecker(&t, "check", capacity, reportsEnds, NULL) == 0 ? 0 : 1;
    if (status != 0 || !bench) goto done;
    puts("");
    const char *slash = strrchr(files[0], '/');
    if (Build(&t, files, nfiles, false, "bench", "") != 0) {
        status = 2;
        goto done;
    }
    RunChecker(&t, "bench", capacity, reportsEnds, slash != NULL ? slash + 1 : files[0]);
    for (int i = 0; i < ModuleCount; i++) {
        const moduleT *m = &modules[i];
        puts("");
        if (Build(&t, NULL, 0, false, m->name, m->libs) != 0) {
            status = 2;
            goto done;
        }
        RunChecker(&t, m->name, m->capacity, m->reportsEnds, m->name);
    }
done:
    RemoveScratch(t.scratch);
    return status;
}
