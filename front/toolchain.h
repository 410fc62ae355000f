/*
 * toolchain.h: the student's own compiler, as workbench check drives it: the files compiled into
 * a scratch directory and linked with the installed checker's program for their interface.
 */
#ifndef WORKBENCH_FRONT_TOOLCHAIN_H
#define WORKBENCH_FRONT_TOOLCHAIN_H

#include <limits.h>
#include <stdbool.h>

#include "check/text.h"

enum { MaxFiles = 64, MaxArgs = MaxFiles + 64 };

typedef struct {
    const char *cc, *cxx;
    char include[PATH_MAX + 16]; /* -I<prefix>/include/workbench */
    char lib[PATH_MAX + 16];     /* -L<prefix>/lib/workbench */
    char scratch[PATH_MAX];
    char messages[PATH_MAX + 16]; /* the compiler's and linker's words */
    bool sanitize;
} toolsT;

/* argv under construction. */
typedef struct {
    char *arg[MaxArgs];
    int n;
} argsT;

/* Appends an argument; beyond MaxArgs they are dropped. */
void Add(argsT *a, const char *arg);

/* Runs argv and returns its exit status, 128 + the signal that ended it, or -1 when it could
 * not be started (said on standard error). Standard output and error go to the files named,
 * where given. */
int Spawn(char *const argv[], const char *out, const char *err);

/* Finds the installed checker relative to this program: the prefix's include/ and lib/. */
bool FindChecker(toolsT *t);

/* Sets t->sanitize when the compiler links the sanitizers, that is when an empty program builds
 * and runs with them; -1 when there is no compiler to run. */
int ProbeSanitizers(toolsT *t);

/*
 * Compiles each file into the scratch directory and links them as program with libs, the
 * archives of the checker's program and of a bundled module when it is one. Returns 0, -1 when
 * the compiler cannot be started, or 1 when a file does not compile or the whole does not link
 * (why, after the compiler's messages, in messages, and on standard error); header names the
 * interface's operations in that message.
 */
int Build(const toolsT *t, char *const *files, int nfiles, bool sanitize, const char *program,
          const char *libs, const char *header, textT *messages);

/* Removes the scratch directory and all in it. */
void RemoveScratch(const char *dir);

#endif
