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
#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "check/check.h"
#include "check/report.h"
#include "front/toolchain.h"
#include "support/numread.h"

enum { StatusUsage = 2, StatusFault = 3 };

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

/* The command line, as the checker program takes it beside the files. */
typedef struct {
    const char *self; /* "check" or "check-buffer" */
    const interfaceT *interface;
    const char *libs;
    char *files[MaxFiles];
    int nfiles;
    const char *pass[MaxArgs]; /* options for the checker program */
    int npass;
    int capacity;
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

/* Builds the files (or a bundled module, moduleLibs its archives) with the checker's program
 * for the request's interface (Build). */
static int BuildChecker(const toolsT *t, const requestT *r, char *const *files, int nfiles,
                        bool sanitize, const char *program, const char *moduleLibs,
                        textT *messages) {
    char libs[1024];
    snprintf(libs, sizeof libs, "%s %s", r->libs, moduleLibs);
    return Build(t, files, nfiles, sanitize, program, libs, r->interface->header, messages);
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
            int megabytes;
            if (strcmp(arg, "--memory") == 0 &&
                !(ParseInt(value, strlen(value), RefuseOutOfRange, &megabytes) && megabytes > 0))
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

/* Times the module, built optimised, then each bundled one; a benchmark that fails is the
 * checker's own fault. */
static int Bench(const toolsT *t, const requestT *r) {
    textT messages = {0};
    puts("");
    const char *slash = strrchr(r->files[0], '/');
    int status = 0;
    if (BuildChecker(t, r, r->files, r->nfiles, false, "bench", "", &messages) != 0)
        status = StatusUsage;
    if (status == 0 && RunChecker(t, r, "bench", slash != NULL ? slash + 1 : r->files[0],
                                  r->capacity, r->reportsEnds) != 0)
        status = StatusFault;
    for (int i = 0; i < ModuleCount && status == 0; i++) {
        const moduleT *m = &modules[i];
        puts("");
        if (BuildChecker(t, r, NULL, 0, false, m->name, m->libs, &messages) != 0)
            status = StatusUsage;
        else if (RunChecker(t, r, m->name, m->name, m->capacity, m->reportsEnds) != 0)
            status = StatusFault;
    }
    TextFree(&messages);
    return status;
}

int main(int argc, char **argv) {
    requestT r = {0};
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
    int built = BuildChecker(&t, &r, r.files, r.nfiles, t.sanitize, "check", "", &messages);
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
    status = RunChecker(&t, &r, "check", NULL, 0, false);
    if (status == 0 && r.bench) status = Bench(&t, &r);
done:
    TextFree(&messages);
    RemoveScratch(t.scratch);
    return status;
}
