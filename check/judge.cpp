/* judge: one run judged frame by frame against the interface's model (check/judge.h). */
#include "check/judge.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

void FreeRun(runT *run) {
    TextFree(&run->expected);
    TextFree(&run->actual);
    TextFree(&run->summary);
    TextFree(&run->report);
}

void StartJudge(judgeT *judge, const interfaceT *interface, traitsT traits, const scriptT *script,
                long megabytes) {
    *judge = judgeT{};
    judge->interface = interface;
    judge->traits = traits;
    judge->script = script;
    judge->megabytes = megabytes;
    judge->model = interface->NewModel(traits);
    judge->reached = -1;
    judge->run.at = -1;
}

void FreeJudge(judgeT *judge) {
    judge->interface->FreeModel(judge->model);
    judge->model = nullptr;
    FreeExpect(&judge->expect);
}

namespace {

/* The model's expectation for line i (Finish for the line count); lines before it taken. */
void StepTo(judgeT *judge, long i) {
    while (judge->stepped <= i) {
        ClearExpect(&judge->expect);
        if (judge->stepped < judge->script->count)
            judge->interface->Step(judge->model, ScriptLine(judge->script, judge->stepped),
                                   &judge->expect);
        else
            judge->interface->Finish(judge->model, &judge->expect);
        judge->stepped++;
    }
}

/* Where in the script line i is, as the summary says it. */
const char *LineName(const judgeT *judge, long i, char *buffer, size_t size) {
    if (i < 0)
        snprintf(buffer, size, "before the first line");
    else if (i >= judge->script->count)
        snprintf(buffer, size, "at the end of input");
    else
        snprintf(buffer, size, "in line %ld", i + 1);
    return buffer;
}

/* The model's words for a line's whole expectation, output and ending. */
void DescribeExpect(const expectT *expect, textT *out) {
    TextAppend(out, expect->out.s, expect->out.n);
    if (expect->ending == EndsInError)
        TextFormat(out, "[then Error(\"%s\") ends the program]\n", TextString(&expect->message));
    else if (expect->ending == EndsInExit)
        TextFormat(out, "[then the program ends with status %d, writing on standard error:]\n%s",
                   expect->status, TextString(&expect->message));
}

/* What the model said for line at, as the expectation a failure there shows. */
void ExpectAt(judgeT *judge, long at) {
    StepTo(judge, at);
    TextClear(&judge->run.expected);
    DescribeExpect(&judge->expect, &judge->run.expected);
}

bool SameBytes(const textT *text, const char *bytes, size_t n) {
    return text->n == n && (n == 0 || memcmp(text->s, bytes, n) == 0);
}

}  // namespace

bool JudgeFail(judgeT *judge, verdictT verdict, long at, const char *format, ...) {
    if (judge->run.verdict != VerdictPassed) return false; /* the first failure stands */
    judge->run.verdict = verdict;
    judge->run.at = at;
    va_list args;
    va_start(args, format);
    char what[512], where[64];
    vsnprintf(what, sizeof what, format, args);
    va_end(args);
    TextFormat(&judge->run.summary, "%s %s", what, LineName(judge, at, where, sizeof where));
    return true;
}

void JudgeFrame(judgeT *judge, frameKindT kind, long index, const char *bytes, size_t n) {
    if (judge->run.verdict != VerdictPassed) return; /* frames sent before it was ended */
    if (kind == FrameLine) judge->reached = index + 1;
    if (kind == FrameFinish) judge->reached = judge->script->count;
    runT *run = &judge->run;
    if (kind == FrameError || kind == FrameNoMemory) {
        bool expected = kind == FrameError && judge->expect.ending == EndsInError &&
                        SameBytes(&judge->expect.message, bytes, n);
        if (expected) return;
        TextClear(&run->actual);
        if (kind == FrameNoMemory) {
            TextFormat(&run->actual, "[GetBlock found no memory within the limit of %ld MB]\n",
                       judge->megabytes);
            JudgeFail(judge, VerdictEndedEarly, judge->reached, "ended early: out of memory");
        } else {
            TextFormat(&run->actual, "[Error(\"%.*s\") ended the program]\n", static_cast<int>(n),
                       bytes);
            JudgeFail(judge, VerdictEndedEarly, judge->reached, "ended early: Error(\"%.*s\")",
                      static_cast<int>(n), bytes);
        }
        return;
    }
    long line = kind == FrameFinish ? judge->script->count : index;
    if (line >= 0) StepTo(judge, line);
    const expectT *expect = &judge->expect;
    static const expectT nothing = {};
    if (line < 0) expect = &nothing;
    run->at = line;
    TextClear(&run->expected);
    DescribeExpect(expect, &run->expected);
    TextClear(&run->actual);
    TextAppend(&run->actual, bytes, n);
    bool same = SameBytes(&expect->out, bytes, n);
    if (kind == FramePartial) {
        /* The program ends in this line; how it ends decides, when it may end there at all. */
        judge->ended = true;
        if (!same && expect->ending != EndsNot)
            JudgeFail(judge, VerdictWrongOutput, line, "wrong output");
    } else if (!same) {
        JudgeFail(judge, VerdictWrongOutput, line, "wrong output");
    } else if (expect->ending != EndsNot) {
        TextAppendString(&run->actual, "[and the program went on]\n");
        if (JudgeFail(judge, VerdictWrongOutput, line, "wrong output"))
            TextAppendString(&run->summary, ": the program must end there");
    } else if (kind == FrameFinish) {
        judge->finished = true;
    }
}

void JudgeTimeOut(judgeT *judge, double seconds, double elapsed) {
    if (judge->run.verdict != VerdictPassed) return;
    long at = judge->reached;
    ExpectAt(judge, at);
    TextClear(&judge->run.actual);
    TextFormat(&judge->run.actual, "[still running after %g seconds]\n", elapsed);
    JudgeFail(judge, VerdictTimedOut, at, "timed out after %g seconds", seconds);
}

void JudgeEnd(judgeT *judge, const endT *end) {
    runT *run = &judge->run;
    if (run->verdict != VerdictPassed) return;
    long at = judge->reached;
    if (at > judge->script->count) at = judge->script->count;
    if (at >= 0 && at <= judge->script->count && run->at != at) {
        /* what the model said for the line it was in, against what came of it */
        ExpectAt(judge, at);
        if (!judge->ended) TextClear(&run->actual);
    }
    if (end->crash != nullptr || end->fault != nullptr) {
        TextClear(&run->actual);
        TextFormat(&run->actual, "[%s: see below]\n", end->checker);
        if (end->crash != nullptr)
            JudgeFail(judge, VerdictCrashed, at, "crashed: %s", end->crash);
        else
            JudgeFail(judge, VerdictMemoryError, at, "memory error: %s", end->fault);
    } else if (end->signal != 0) {
        TextFormat(&run->actual, "[killed by signal %d (%s)]\n", end->signal, end->signalName);
        JudgeFail(judge, end->timeSignal ? VerdictTimedOut : VerdictCrashed, at,
                  "crashed: signal %d (%s)", end->signal, end->signalName);
    } else if (end->undefined) {
        JudgeFail(judge, VerdictCrashed, at, "crashed: undefined behaviour");
    } else if (judge->ended && judge->expect.ending == EndsInExit && run->at == at &&
               end->status == judge->expect.status &&
               TextEqual(&run->report, &judge->expect.message)) {
        return; /* ended as the interface says it must */
    } else if (judge->ended && judge->expect.ending == EndsInError && run->at == at) {
        return; /* the Error frame matched */
    } else if (!judge->finished || end->status != 0) {
        TextFormat(&run->actual, "[the program ended with status %d]\n", end->status);
        JudgeFail(judge, VerdictEndedEarly, at, "ended early: exit status %d", end->status);
    }
}

bool SameFailure(const runT *a, const runT *b) {
    return a->verdict == b->verdict &&
           (a->verdict != VerdictMemoryError ||
            strcmp(TextString(&a->summary), TextString(&b->summary)) == 0 ||
            strncmp(TextString(&a->summary), TextString(&b->summary), 20) == 0);
}

void DescribeRun(const char *client, const caseT *kase, const scriptT *script, const runT *run,
                 textT *d) {
    TextFormat(d, "Replay it in %s (or the web page), one command a line:\n", client);
    for (long i = 0; i < script->count; i++)
        TextFormat(d, "%s\n", ScriptLine(script, i));
    if (script->count == 0) TextAppendString(d, "(no lines: the client's start and end alone)\n");
    if (kase->script.count > script->count)
        TextFormat(d, "(cut down from %ld lines)\n", kase->script.count);
    const char *where = run->at >= script->count ? "At the end of input" : "After the last command";
    if (run->verdict == VerdictTimedOut) where = "In the last command";
    TextFormat(d, "%s, expected:\n", where);
    TextAppend(d, run->expected.s, run->expected.n);
    if (run->expected.n == 0) TextAppendString(d, "[nothing]\n");
    if (run->expected.n > 0 && run->expected.s[run->expected.n - 1] != '\n')
        TextAppendString(d, "\n[no line end]\n");
    TextAppendString(d, "Actual:\n");
    TextAppend(d, run->actual.s, run->actual.n);
    if (run->actual.n == 0) TextAppendString(d, "[nothing]\n");
    if (run->actual.n > 0 && run->actual.s[run->actual.n - 1] != '\n')
        TextAppendString(d, "\n[no line end]\n");
    if (run->report.n > 0) {
        TextAppendString(d, "Standard error:\n");
        TextAppend(d, run->report.s, run->report.n);
        if (run->report.s[run->report.n - 1] != '\n') TextAppendString(d, "\n");
    }
}
