/* check: what every interface shares: expectations, verdicts, script validation (check/check.h). */
#include "check/check.h"

#include <cerrno>
#include <cstring>

void ClearExpect(expectT *expect) {
    TextClear(&expect->out);
    TextClear(&expect->message);
    expect->ending = EndsNot;
    expect->status = 0;
}

void FreeExpect(expectT *expect) {
    TextFree(&expect->out);
    TextFree(&expect->message);
}

void FreeResult(resultT *result) {
    TextFree(&result->summary);
    TextFree(&result->details);
}

const char *VerdictName(verdictT verdict) {
    static const char *const names[] = {"passed",    "wrong output", "crashed",  "ended early",
                                        "timed out", "memory error", "not built"};
    return names[verdict];
}

const interfaceT *FindInterface(const char *name) {
    const interfaceT *const all[] = {&BufferInterface, &ScannerInterface, &SetInterface,
                                     &DictionaryInterface};
    for (const interfaceT *interface : all)
        if (strcmp(interface->name, name) == 0) return interface;
    return nullptr;
}

bool ValidateScript(const interfaceT *interface, traitsT traits, const scriptT *script,
                    textT *error) {
    modelT *model = interface->NewModel(traits);
    expectT expect = {};
    bool valid = true;
    for (long i = 0; i < script->count && valid; i++) {
        ClearExpect(&expect);
        const char *why = interface->Step(model, ScriptLine(script, i), &expect);
        if (why != nullptr)
            TextFormat(error, "line %ld: %s", i + 1, why), valid = false;
        else if (expect.ending != EndsNot && i + 1 < script->count)
            TextFormat(error, "line %ld: the program ends there, so the lines after it never run",
                       i + 1),
                valid = false;
    }
    interface->FreeModel(model);
    FreeExpect(&expect);
    return valid;
}

namespace {

bool ReadFile(const char *path, bool (*read)(FILE *, caseListT *, textT *), caseListT *cases,
              textT *error) {
    FILE *in = fopen(path, "r");
    if (in == nullptr) {
        TextFormat(error, "cannot read %s: %s", path, strerror(errno));
        return false;
    }
    textT why = {};
    bool ok = read(in, cases, &why);
    fclose(in);
    if (!ok) TextFormat(error, "%s: %s", path, TextString(&why));
    TextFree(&why);
    return ok;
}

}  // namespace

bool GatherCases(const interfaceT *interface, traitsT traits, const char *const *caseFiles,
                 int caseFileCount, const char *weightsFile, caseListT *cases, textT *error) {
    interface->AddCases(traits, cases);
    int own = cases->count;
    for (int i = 0; i < caseFileCount; i++)
        if (!ReadFile(caseFiles[i], ReadCases, cases, error)) return false;
    if (weightsFile != nullptr && !ReadFile(weightsFile, ReadWeights, cases, error)) return false;
    for (int i = 0; i < cases->count; i++) {
        textT why = {};
        bool valid = ValidateScript(interface, traits, &cases->at[i].script, &why);
        if (!valid)
            TextFormat(error, "%scase \"%s\", %s", i < own ? "the checker's own " : "",
                       cases->at[i].name, TextString(&why));
        TextFree(&why);
        if (!valid) return false;
    }
    return true;
}
