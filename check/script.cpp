/* script: the lines of a case and the lists of cases (check/script.h). */
#include "check/script.h"

#include <cstdlib>
#include <cstring>

void ScriptAdd(scriptT *script, const char *line, size_t n) {
    if (script->count == script->room) {
        script->room = script->room * 2 + 8;
        script->at = static_cast<size_t *>(
            realloc(script->at, static_cast<size_t>(script->room) * sizeof *script->at));
        if (script->at == nullptr) abort();
    }
    script->at[script->count++] = script->text.n;
    TextAppend(&script->text, line, n);
    /* Each line keeps its own NUL, so that ScriptLine hands out plain strings. */
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

void ScriptFree(scriptT *script) {
    TextFree(&script->text);
    free(script->at);
    *script = scriptT{};
}

caseT *AddCase(caseListT *list, const char *name, const char *lines) {
    if (list->count == list->room) {
        list->room = list->room * 2 + 8;
        list->at = static_cast<caseT *>(
            realloc(list->at, static_cast<size_t>(list->room) * sizeof *list->at));
        if (list->at == nullptr) abort();
    }
    caseT *kase = &list->at[list->count++];
    *kase = caseT{};
    kase->name = strdup(name);
    if (kase->name == nullptr) abort();
    ScriptAddLines(&kase->script, lines);
    kase->points = 1;
    return kase;
}

void FreeCases(caseListT *list) {
    for (int i = 0; i < list->count; i++) {
        free(list->at[i].name);
        ScriptFree(&list->at[i].script);
    }
    free(list->at);
    *list = caseListT{};
}
