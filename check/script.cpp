/* script: a case's lines, lists of cases, and the case and weights files (check/script.h). */
#include "check/script.h"

#include <cstdlib>
#include <cstring>

#include "support/numread.h"

void ScriptAdd(scriptT *script, const char *line, size_t n) {
    if (script->count == script->room) {
        script->room = script->room > 0 ? script->room * 2 : 8;
        script->at = static_cast<size_t *>(
            realloc(script->at, sizeof(size_t) * static_cast<size_t>(script->room)));
        if (script->at == nullptr) abort();
    }
    script->at[script->count++] = script->text.n;
    TextAppend(&script->text, line, n);
    /* Each line keeps its own NUL, so that ScriptLine hands out a string. */
    TextAppend(&script->text, "", 1);
}

void ScriptAddString(scriptT *script, const char *line) {
    ScriptAdd(script, line, strlen(line));
}

void ScriptAddLines(scriptT *script, const char *text) {
    while (*text != '\0') {
        const char *end = strchr(text, '\n');
        if (end == nullptr) {
            ScriptAddString(script, text);
            return;
        }
        ScriptAdd(script, text, static_cast<size_t>(end - text));
        text = end + 1;
    }
}

const char *ScriptLine(const scriptT *script, long i) {
    return script->text.s + script->at[i];
}

scriptT ScriptSubset(const scriptT *script, const char *keep) {
    scriptT subset = {{nullptr, 0, 0}, nullptr, 0, 0};
    for (long i = 0; i < script->count; i++)
        if (keep[i] != 0) ScriptAddString(&subset, ScriptLine(script, i));
    return subset;
}

void ScriptFree(scriptT *script) {
    TextFree(&script->text);
    free(script->at);
    *script = scriptT{{nullptr, 0, 0}, nullptr, 0, 0};
}

caseT *AddCase(caseListT *list, const char *name, const char *lines) {
    if (list->count == list->room) {
        list->room = list->room > 0 ? list->room * 2 : 16;
        list->at = static_cast<caseT *>(
            realloc(list->at, sizeof(caseT) * static_cast<size_t>(list->room)));
        if (list->at == nullptr) abort();
    }
    caseT *kase = &list->at[list->count++];
    size_t n = strlen(name);
    kase->name = static_cast<char *>(malloc(n + 1));
    if (kase->name == nullptr) abort();
    memcpy(kase->name, name, n + 1);
    kase->script = scriptT{{nullptr, 0, 0}, nullptr, 0, 0};
    ScriptAddLines(&kase->script, lines);
    kase->points = 1;
    kase->hidden = false;
    return kase;
}

void FreeCases(caseListT *list) {
    for (int i = 0; i < list->count; i++) {
        free(list->at[i].name);
        ScriptFree(&list->at[i].script);
    }
    free(list->at);
    *list = caseListT{nullptr, 0, 0};
}

/*
 * Reads one line into line without its line end (a CR before the LF goes too, so that a file
 * saved with CRLF ends reads the same). Returns false at the end of input with nothing read.
 */
static bool ReadLine(FILE *in, textT *line) {
    TextClear(line);
    int c;
    while ((c = getc(in)) != EOF && c != '\n') {
        char byte = static_cast<char>(c);
        TextAppend(line, &byte, 1);
    }
    if (c == EOF && line->n == 0) return false;
    if (line->n > 0 && line->s[line->n - 1] == '\r') line->s[--line->n] = '\0';
    return true;
}

static bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

static const char *SkipBlanks(const char *s) {
    while (IsBlank(*s))
        s++;
    return s;
}

/*
 * Reads points as digits with an optional fraction ("2", "0.5"): no sign, no exponent, and
 * all the digits together one int (numread reads no fractions), which one division by the
 * power of ten makes the double nearest to what is written, under any locale.
 */
static bool ParsePoints(const char *s, size_t n, double *points) {
    char digits[10];
    size_t count = 0, dot = n, i;
    for (i = 0; i < n; i++) {
        if (s[i] == '.' && dot == n && i > 0 && i + 1 < n) {
            dot = i;
        } else if (s[i] >= '0' && s[i] <= '9' && count < sizeof digits) {
            digits[count++] = s[i];
        } else {
            return false;
        }
    }
    int value;
    if (count == 0 || !ParseInt(digits, count, RefuseOutOfRange, &value)) return false;
    double scale = 1;
    for (i = dot + 1; i < n; i++)
        scale *= 10;
    *points = value / scale;
    return true;
}

/*
 * Reads "[points] [hidden] name" from s, the points required when needPoints. Returns null and
 * fills in what it read, or why the line is not of that form. The name is the rest of the line
 * without the blanks around it, so that it may hold blanks of its own.
 */
static const char *ParseHeading(const char *s, bool needPoints, double *points, bool *hidden,
                                const char **name, size_t *nameLength) {
    s = SkipBlanks(s);
    size_t word = 0;
    while (s[word] != '\0' && !IsBlank(s[word]))
        word++;
    bool numeric = (s[0] >= '0' && s[0] <= '9') || s[0] == '.' || s[0] == '+' || s[0] == '-';
    if (needPoints || numeric) {
        if (!ParsePoints(s, word, points)) return "points must be a number such as 2 or 0.5";
        s = SkipBlanks(s + word);
    }
    *hidden = strncmp(s, "hidden", 6) == 0 && (s[6] == '\0' || IsBlank(s[6]));
    if (*hidden) s = SkipBlanks(s + 6);
    size_t n = strlen(s);
    while (n > 0 && IsBlank(s[n - 1]))
        n--;
    if (n == 0) return "no case name";
    *name = s;
    *nameLength = n;
    return nullptr;
}

static caseT *FindCase(caseListT *list, const char *name, size_t n) {
    for (int i = 0; i < list->count; i++)
        if (strncmp(list->at[i].name, name, n) == 0 && list->at[i].name[n] == '\0')
            return &list->at[i];
    return nullptr;
}

bool ReadCases(FILE *in, caseListT *list, textT *error) {
    TextClear(error);
    textT line = {nullptr, 0, 0};
    caseT *kase = nullptr;
    bool ok = true;
    for (long number = 1; ok && ReadLine(in, &line); number++) {
        const char *s = TextString(&line);
        bool header = strncmp(s, "===", 3) == 0 && (s[3] == '\0' || IsBlank(s[3]));
        if (!header) {
            if (kase != nullptr) ScriptAdd(&kase->script, s, line.n);
            continue;
        }
        double points = 1;
        bool hidden;
        const char *name = nullptr;
        size_t n = 0;
        const char *why = ParseHeading(s + 3, false, &points, &hidden, &name, &n);
        if (why == nullptr && FindCase(list, name, n) != nullptr)
            why = "a case of that name is already given";
        if (why != nullptr) {
            TextFormat(error, "line %ld: %s", number, why);
            ok = false;
            break;
        }
        textT copy = {nullptr, 0, 0};
        TextAppend(&copy, name, n);
        kase = AddCase(list, TextString(&copy), "");
        TextFree(&copy);
        kase->points = points;
        kase->hidden = hidden;
    }
    TextFree(&line);
    return ok;
}

bool ReadWeights(FILE *in, caseListT *list, textT *error) {
    TextClear(error);
    textT line = {nullptr, 0, 0};
    bool ok = true;
    for (long number = 1; ok && ReadLine(in, &line); number++) {
        const char *s = SkipBlanks(TextString(&line));
        if (*s == '\0' || *s == '#') continue;
        double points = 0;
        bool hidden;
        const char *name = nullptr;
        size_t n = 0;
        const char *why = ParseHeading(s, true, &points, &hidden, &name, &n);
        caseT *kase = why == nullptr ? FindCase(list, name, n) : nullptr;
        if (why == nullptr && kase == nullptr) why = "no case of that name";
        if (why != nullptr) {
            TextFormat(error, "line %ld: %s", number, why);
            ok = false;
            break;
        }
        kase->points = points;
        if (hidden) kase->hidden = true;
    }
    TextFree(&line);
    return ok;
}

void AddScriptCases(caseListT *list, const scriptCaseT *table, int count) {
    for (int i = 0; i < count; i++)
        AddCase(list, table[i].name, table[i].script);
}
