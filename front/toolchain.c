/* toolchain: the student's compiler run by workbench check (front/toolchain.h). */
#define _POSIX_C_SOURCE 200809L

#include "front/toolchain.h"

#include <errno.h>
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include "support/selfpath.h"

extern char **environ;

static const char *const sanitizers[] = {"-fsanitize=address,undefined",
                                         "-fno-sanitize-recover=all", "-fno-omit-frame-pointer"};

int Spawn(char *const argv[], const char *out, const char *err) {
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

void Add(argsT *a, const char *arg) {
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

int Build(const toolsT *t, char *const *files, int nfiles, bool sanitize, const char *program,
          const char *libs, const char *header, textT *messages) {
    static char objects[MaxFiles][PATH_MAX + 32];
    static char words[1024];
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
    AddWords(&a, libs, words, sizeof words);
    Add(&a, "-lm");
    int status = Spawn(a.arg, NULL, t->messages);
    TakeMessages(t, messages);
    if (status < 0) return -1;
    if (status != 0) {
        TextFormat(messages,
                   "the files do not link into a program with the checker (the linker's messages "
                   "above): each operation of %s must be defined once, and nothing named main\n",
                   header);
        fprintf(stderr,
                "workbench check: the files do not link into a program with the checker (the "
                "linker's messages above): each operation of %s must be defined once, and "
                "nothing named main\n",
                header);
        return 1;
    }
    return 0;
}

int ProbeSanitizers(toolsT *t) {
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

void RemoveScratch(const char *dir) {
    char command[PATH_MAX + 16];
    snprintf(command, sizeof command, "%s", dir);
    Spawn((char *[]){"rm", "-rf", command, NULL}, NULL, NULL);
}

bool FindChecker(toolsT *t) {
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
