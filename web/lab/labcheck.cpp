/*
 * labcheck: the checker's cases, models and judging for the web page's Lab, as a WASI reactor.
 * The page runs a learner's module itself, one fresh instance a case (a module that loops must
 * not hold this one up), and hands each line's output here as a frame; this side says what the
 * interface's model makes of it, cuts a failure down and words its details, with the same code
 * as `workbench check` (check/judge.h, check/shrink.h).
 *
 * Cutting down asks the page to run each shorter script: the import lab.trial(script) runs it
 * through a judge of its own (judge_new ... judge_end) and answers as a trialT.
 */
#include <cstdlib>
#include <cstring>

#include "check/check.h"
#include "check/judge.h"
#include "check/shrink.h"

#define LAB_EXPORT(name) __attribute__((export_name(name)))
#define LAB_IMPORT(module, name) __attribute__((import_module(module), import_name(name)))

extern "C" {
int LabTrial(const scriptT *script) LAB_IMPORT("lab", "trial");

int CheckOpen(const char *name, int capacity, int reportsEnds) LAB_EXPORT("check_open");
const char *CaseName(int i) LAB_EXPORT("case_name");
double CasePoints(int i) LAB_EXPORT("case_points");
int CaseHidden(int i) LAB_EXPORT("case_hidden");
const scriptT *CaseScript(int i) LAB_EXPORT("case_script");
long ScriptCount(const scriptT *script) LAB_EXPORT("script_count");
const char *ScriptText(const scriptT *script, long i) LAB_EXPORT("script_line");
char *Scratch(size_t n) LAB_EXPORT("scratch");
judgeT *JudgeNew(const scriptT *script, long megabytes) LAB_EXPORT("judge_new");
void JudgeTake(judgeT *judge, int kind, long index, const char *bytes, size_t n)
    LAB_EXPORT("judge_frame");
int JudgeVerdict(const judgeT *judge) LAB_EXPORT("judge_verdict");
const char *VerdictWords(int verdict) LAB_EXPORT("verdict_name");
void JudgeSetReached(judgeT *judge, long line) LAB_EXPORT("judge_set_reached");
void JudgeTimedOut(judgeT *judge, double seconds, double elapsed) LAB_EXPORT("judge_time_out");
void JudgeEnded(judgeT *judge, int status, const char *crash, const char *fault, const char *report,
                size_t n) LAB_EXPORT("judge_end");
int JudgeSame(const judgeT *a, const judgeT *b) LAB_EXPORT("judge_same");
const char *JudgeSummary(const judgeT *judge) LAB_EXPORT("judge_summary");
long JudgeAt(const judgeT *judge) LAB_EXPORT("judge_at");
void JudgeDrop(judgeT *judge) LAB_EXPORT("judge_free");
const scriptT *CaseShrink(int i, const judgeT *failed, int trials) LAB_EXPORT("case_shrink");
const char *CaseDetails(int i, const scriptT *script, const judgeT *failed)
    LAB_EXPORT("case_details");
}

namespace {

struct {
    const interfaceT *interface;
    traitsT traits;
    caseListT cases;
    scriptT cut;   /* the last case_shrink's */
    textT details; /* the last case_details' */
    char *scratch; /* where the page writes a string for the next call */
    size_t scratchRoom;
} lab;

trialT Trial(void *, const scriptT *script) {
    return static_cast<trialT>(LabTrial(script));
}

}  // namespace

/* Opens the interface of that name with these traits and gathers its own cases: their count, or
 * -1 for an unknown name. */
int CheckOpen(const char *name, int capacity, int reportsEnds) {
    const interfaceT *interface = FindInterface(name);
    if (interface == nullptr) return -1;
    FreeCases(&lab.cases);
    lab.interface = interface;
    lab.traits = traitsT{capacity, reportsEnds != 0};
    textT error = {};
    if (!GatherCases(interface, lab.traits, nullptr, 0, nullptr, &lab.cases, &error)) abort();
    return lab.cases.count;
}

const char *CaseName(int i) {
    return lab.cases.at[i].name;
}

double CasePoints(int i) {
    return lab.cases.at[i].points;
}

int CaseHidden(int i) {
    return lab.cases.at[i].hidden;
}

const scriptT *CaseScript(int i) {
    return &lab.cases.at[i].script;
}

long ScriptCount(const scriptT *script) {
    return script->count;
}

const char *ScriptText(const scriptT *script, long i) {
    return ScriptLine(script, i);
}

char *Scratch(size_t n) {
    if (n + 1 > lab.scratchRoom) {
        free(lab.scratch);
        lab.scratchRoom = n + 1;
        lab.scratch = static_cast<char *>(malloc(lab.scratchRoom));
        if (lab.scratch == nullptr) abort();
    }
    return lab.scratch;
}

judgeT *JudgeNew(const scriptT *script, long megabytes) {
    judgeT *judge = static_cast<judgeT *>(malloc(sizeof *judge));
    if (judge == nullptr) abort();
    StartJudge(judge, lab.interface, lab.traits, script, megabytes);
    return judge;
}

void JudgeTake(judgeT *judge, int kind, long index, const char *bytes, size_t n) {
    JudgeFrame(judge, static_cast<frameKindT>(kind), index, bytes, n);
}

int JudgeVerdict(const judgeT *judge) {
    return judge->run.verdict;
}

/* The verdict's words, as the command's reports give them. */
const char *VerdictWords(int verdict) {
    return VerdictName(static_cast<verdictT>(verdict));
}

/* A case the page stopped at its time limit in line: the line it had reached, as its frames said.
 */
void JudgeSetReached(judgeT *judge, long line) {
    judge->reached = line;
}

void JudgeTimedOut(judgeT *judge, double seconds, double elapsed) {
    JudgeTimeOut(judge, seconds, elapsed);
}

/* How the program ended: its exit status, a trap (crash, null for none), the Lab's memory fault
 * (null for none), and its standard error. */
void JudgeEnded(judgeT *judge, int status, const char *crash, const char *fault, const char *report,
                size_t n) {
    TextAppend(&judge->run.report, report, n);
    endT end = {status, 0, "", false, crash, fault, "the Lab's memory check", false};
    if (crash != nullptr) end.checker = "the WebAssembly engine stopped it";
    JudgeEnd(judge, &end);
}

int JudgeSame(const judgeT *a, const judgeT *b) {
    return SameFailure(&a->run, &b->run);
}

const char *JudgeSummary(const judgeT *judge) {
    return TextString(&judge->run.summary);
}

long JudgeAt(const judgeT *judge) {
    return judge->run.at;
}

void JudgeDrop(judgeT *judge) {
    FreeJudge(judge);
    FreeRun(&judge->run);
    free(judge);
}

/* Case i cut down after its failure: to the line it failed in, then, with trials, by asking the
 * page to run shorter scripts. */
const scriptT *CaseShrink(int i, const judgeT *failed, int trials) {
    ScriptFree(&lab.cut);
    lab.cut = ShrinkScript(lab.interface, lab.traits, &lab.cases.at[i].script, failed->run.at,
                           trials ? Trial : nullptr, nullptr);
    return &lab.cut;
}

const char *CaseDetails(int i, const scriptT *script, const judgeT *failed) {
    TextClear(&lab.details);
    DescribeRun(lab.interface->client, &lab.cases.at[i], script, &failed->run, &lab.details);
    return TextString(&lab.details);
}
