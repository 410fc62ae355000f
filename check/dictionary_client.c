/* dictionary_client: wordpick's command language (check/dictionary_client.h). */
#define _POSIX_C_SOURCE 200809L

#include "check/dictionary_client.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include "check/echo.h"
#include "check/text.h"
#include "support/numread.h"
#include "words/lotdraw.h"

/* The clock the T command fixes; time() has no state to reach, so it lives here. */
static bool clockFixed = false;
static time_t fixedSeconds = 0;

time_t time(time_t *out) {
    time_t now = fixedSeconds;
    if (!clockFixed) {
        struct timespec real;
        clock_gettime(CLOCK_REALTIME, &real);
        now = real.tv_sec;
    }
    if (out != NULL) *out = now;
    return now;
}

typedef struct {
    bool loaded; /* InitDictionary ran since the start or the last free_all */
} dictionaryStateT;

/* The one word after the command: its length, 0 for none; *end is what follows it. */
static size_t Word(const char *line, const char **end) {
    const char *word = line + 2;
    size_t length = line[1] == ' ' ? strcspn(word, " ") : 0;
    *end = word + length;
    return length;
}

static void Write(const char *line) {
    const char *end;
    size_t length = Word(line, &end);
    textT file = {0}, text = {0};
    TextAppend(&file, line + 2, length);
    const char *name = TextString(&file);
    /* A script writes in the working directory only, whoever wrote the script. */
    if (length == 0 || strchr(name, '/') != NULL || strcmp(name, ".") == 0 ||
        strcmp(name, "..") == 0) {
        puts("Usage: W file text (a file of the working directory)");
    } else if (!Unescape(*end == ' ' ? end + 1 : end, &text)) {
        puts("Bad escape: a backslash begins none of \\t \\n \\v \\f \\r \\\\ \\\" \\0 \\xHH");
    } else {
        FILE *out = fopen(TextString(&file), "a");
        bool written = out != NULL && fwrite(TextString(&text), 1, text.n, out) == text.n &&
                       putc('\n', out) != EOF;
        if (out != NULL && fclose(out) != 0) written = false;
        if (!written) printf("Cannot write %s\n", TextString(&file));
    }
    TextFree(&file);
    TextFree(&text);
}

static void *Start(void) {
    dictionaryStateT *state = malloc(sizeof *state);
    if (state == NULL) abort();
    state->loaded = false;
    return state;
}

static void Line(void *opaque, const char *line) {
    dictionaryStateT *state = opaque;
    PrintEcho(line);
    const char *end;
    size_t length = line[0] != '\0' ? Word(line, &end) : 0;
    int seconds;
    if (line[0] == '\0') {
        /* only the echo */
    } else if (line[0] == 'W') {
        Write(line);
    } else if (line[0] == 'T' && length > 0 && *end == '\0' &&
               ParseInt(line + 2, length, RefuseOutOfRange, &seconds) && seconds >= 0) {
        clockFixed = true;
        fixedSeconds = seconds;
    } else if (line[0] == 'L' && length > 0 && *end == '\0') {
        InitDictionary(line + 2);
        state->loaded = true;
    } else if (strcmp(line, "C") == 0) {
        printf("Chosen word: %s\n", ChooseRandomWord());
    } else if (strcmp(line, "X") == 0) {
        free_all();
        state->loaded = false;
    } else {
        puts("Not a command: W file text, T seconds, L file, C or X");
    }
}

static void Finish(void *opaque) {
    dictionaryStateT *state = opaque;
    if (state->loaded) free_all();
    free(state);
}

const clientT DictionaryClient = {"wordpick", Start, Line, Finish};
