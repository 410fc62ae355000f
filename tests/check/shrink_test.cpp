// Cutting a failure down, with the runs replaced by a rule: a script "fails" when it holds every
// line the rule names, in order. The buffer's model judges the scripts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "check/shrink.h"

namespace {

struct Rule {
    std::vector<std::string> needed;  // lines the failure needs, in order
    int trialsLeft = 1000;            // then TrialStop
    int trials = 0;
};

trialT Fails(void *context, const scriptT *script) {
    Rule *rule = static_cast<Rule *>(context);
    if (rule->trialsLeft-- == 0) return TrialStop;
    rule->trials++;
    size_t next = 0;
    for (long i = 0; i < script->count && next < rule->needed.size(); i++)
        next += rule->needed[next] == ScriptLine(script, i);
    return next == rule->needed.size() ? TrialFails : TrialPasses;
}

std::string Lines(const scriptT &script) {
    std::string out;
    for (long i = 0; i < script.count; i++)
        out += std::string(ScriptLine(&script, i)) + ";";
    return out;
}

TEST(ShrinkTest, CutsToTheLinesTheFailureNeeds) {
    struct Case {
        const char *name;
        const char *script;
        long failedAt;
        Rule rule;
        bool tries;
        std::string cut;
    };
    const Case cases[] = {
        {"two lines among many",
         "Ia\nF\nB\nIb\nJ\nE\nD\nIc\nN\nF\n",
         7,
         {{"Ib", "D"}},
         true,
         "Ib;D;"},
        {"the lines after the failure go first, untried", "Ia\nIb\nIc\n", 0, {{"Ia"}}, true, "Ia;"},
        {"a time-out is only cut after its line", "Ia\nIb\nIc\nId\n", 1, {{"Ib"}}, false, "Ia;Ib;"},
        {"a fault at the end may need no line", "Ia\nIb\n", 2, {{}}, true, ""},
        {"a fault at the start likewise", "Ia\nIb\n", -1, {{}}, true, ""},
        {"no trial left keeps what is cut so far",
         "Ia\nIb\nIc\nId\n",
         4,
         {{"Id"}, 0},
         true,
         "Ia;Ib;Ic;Id;"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        scriptT script = {};
        ScriptAddLines(&script, c.script);
        Rule rule = c.rule;
        scriptT cut = ShrinkScript(&BufferInterface, {0, false}, &script, c.failedAt,
                                   c.tries ? Fails : nullptr, &rule);
        EXPECT_EQ(Lines(cut), c.cut);
        if (!c.tries) {
            EXPECT_EQ(rule.trials, 0);
        }
        ScriptFree(&cut);
        ScriptFree(&script);
    }
}

// A script that the model cannot judge (here one with an unknown command) is never handed to the
// trial: "X Ib" would "fail" and be kept, but the cut goes on from "Ia Ib".
TEST(ShrinkTest, NeverTriesAScriptTheModelRefuses) {
    scriptT script = {};
    ScriptAddLines(&script, "Ia\nX\nIb\n");
    Rule rule = {{"Ib"}};
    scriptT cut = ShrinkScript(&BufferInterface, {0, false}, &script, 2, Fails, &rule);
    EXPECT_EQ(Lines(cut), "Ia;Ib;");
    ScriptFree(&cut);
    ScriptFree(&script);
}

}  // namespace
