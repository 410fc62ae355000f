/* script: case scripts and case lists (check/script.h). */
#include "check/script.h"

#include <cstdlib>
#include <cstring>

void ScriptAdd(scriptT *script, const char *line, size_t n) {
    if (script->count == script->room) {
        script->room = script->room * 2 + 16;
        script->at = static_cast<size_t *>(
            realloc(script->at, static_cast<size_t>(script->room) * sizeof *script->at));
        if (script->at == nullptr) abort();
    }
    script->at[script->count++] = script->text.n;
    TextAppend(&script->text, line, n);
    TextAppend(&script->text, "", 1);
}

void ScriptAddString(scriptT *script, const char *line) {
    ScriptAdd(script, line, strlen(line));
}

void ScriptAddLines(scriptT *script, const char *text) {
    for (const char *p = text; *p != '\0';) {
        const char *end = strchr(p, '\n');
        size_t n = end != nullptr ? static_cast<size_t>(end - p) : strlen(p);
        ScriptAdd(script, p, n);
        p += n + (end != nullptr);
    }
}

const char *ScriptLine(const scriptT *script, long i) {
    return script->text.s + script->at[i];
}

scriptT ScriptSubset(const scriptT *script, const char *keep) {
    scriptT subset = {};
    for (long i = 0; i < script->count; i++)
        if (keep[i]) ScriptAddString(&subset, ScriptLine(script, i));
    return subset;
}

void ScriptFree(scriptT *script) {
    TextFree(&script->text);
    free(script->at);
    *script = scriptT{};
}

caseT *AddCase(caseListT *list, const char *name, const char *lines) {
    if (list->count == list->room) {
        list->room = list->room * 2 + 16;
        list->at = static_cast<caseT *>(
            realloc(list->at, static_cast<size_t>(list->room) * sizeof *list->at));
        if (list->at == nullptr) abort();
    }
    caseT *added = &list->at[list->count++];
    *added = caseT{strdup(name), {}, 1, false};
    if (added->name == nullptr) abort();
    ScriptAddLines(&added->script, lines);
    return added;
}

void FreeCases(caseListT *list) {
    for (int i = 0; i < list->count; i++) {
        free(list->at[i].name);
        ScriptFree(&list->at[i].script);
    }
    free(list->at);
    *list = caseListT{};
}
