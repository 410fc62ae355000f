// The scanner's, the set's and the dictionary's cases, each run through its client program
// with the bundled module: the program prints exactly what the interface's model expects, and
// ends where and as it expects. Then the lines each model must refuse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "check/check.h"
#include "run_program.h"

namespace {

struct Client {
    const interfaceT *interface;
    const char *program;
    std::vector<std::string> args;
};

const Client kClients[] = {
    {&ScannerInterface, "siftdemo", {"-c"}},
    {&SetInterface, "bagdemo", {}},
    {&DictionaryInterface, "wordpick", {"-c"}},
};

// What the model makes of a script: the whole output and how the run ends, or the first line
// it refuses (1-based) and why.
struct Expected {
    std::string out, err;
    int status = 0;
    long refused = 0;
    std::string reason;
};

Expected Expect(const interfaceT &interface, const scriptT &script) {
    Expected expected;
    modelT *model = interface.NewModel(traitsT{});
    expectT expect = {};
    bool ended = false;
    for (long i = 0; i < script.count && !ended && expected.refused == 0; i++) {
        if (const char *reason = interface.Step(model, ScriptLine(&script, i), &expect)) {
            expected.refused = i + 1;
            expected.reason = reason;
            break;
        }
        expected.out.append(expect.out.s ? expect.out.s : "", expect.out.n);
        ended = expect.ending != EndsNot;
        if (expect.ending == EndsInError) {  // the bundled genlib's Error: a line, status 1
            expected.err = std::string(TextString(&expect.message)) + "\n";
            expected.status = 1;
        } else if (expect.ending == EndsInExit) {
            expected.err = TextString(&expect.message);
            expected.status = expect.status;
        }
        EXPECT_TRUE(!ended || i + 1 == script.count) << "a line after the end, at " << i + 1;
    }
    if (!ended && expected.refused == 0) {
        interface.Finish(model, &expect);
        expected.out.append(expect.out.s ? expect.out.s : "", expect.out.n);
    }
    FreeExpect(&expect);
    interface.FreeModel(model);
    return expected;
}

std::string Input(const scriptT &script) {
    std::string input;
    for (long i = 0; i < script.count; i++)
        input += std::string(ScriptLine(&script, i)) + "\n";
    return input;
}

void ExpectClientAgrees(const Client &client, const scriptT &script) {
    Expected expected = Expect(*client.interface, script);
    ASSERT_EQ(expected.refused, 0) << expected.reason;
    wb::RunResult run =
        wb::RunProgram(client.program, {.args = client.args, .input = Input(script)});
    EXPECT_EQ(run.out, expected.out);
    EXPECT_EQ(run.err, expected.err);
    EXPECT_EQ(run.status, expected.status);
}

TEST(InterfaceCasesTest, TheBundledModulesPassEveryCase) {
    for (const Client &client : kClients) {
        caseListT cases = {};
        client.interface->AddCases(traitsT{}, &cases);
        EXPECT_GE(cases.count, 10) << client.interface->name;
        for (int i = 0; i < cases.count; i++) {
            SCOPED_TRACE(std::string(client.interface->name) + " case " + cases.at[i].name);
            ExpectClientAgrees(client, cases.at[i].script);
        }
        FreeCases(&cases);
    }
}

scriptT Script(const std::string &lines) {
    scriptT script = {};
    ScriptAddLines(&script, lines.c_str());
    return script;
}

// The client's own messages and the lines every language passes over, which no case needs.
TEST(InterfaceCasesTest, TheModelsTellTheClientsMessages) {
    const struct {
        int client;
        std::string script;
    } scripts[] = {
        {0, "\nS \\\\\\\"\\x41\nA\nS a\\\\b\nA\n"},
        {1,
         "A 1x 99999999999 -0 +4\n\n \t \nB\v7\f\r\nC 1\nP\nP A B\nP C\nD A\nD A B A\nD A X\n"
         "N\nN X\nN A B\nAA 1\n"},
        {2, "\nW w.txt  two  blanks \nW w.txt \\\\ and \\x01\nL w.txt\nT 0\nC\nT 2147483647\nC\n"},
    };
    for (const auto &s : scripts) {
        SCOPED_TRACE(s.script);
        scriptT script = Script(s.script);
        ExpectClientAgrees(kClients[s.client], script);
        ScriptFree(&script);
    }
}

std::string Repeated(const std::string &unit, int count) {
    std::string text;
    for (int i = 0; i < count; i++)
        text += unit;
    return text;
}

std::string Words(int count) {
    std::string text = "W w.txt";
    for (int i = 0; i < count; i++) {
        text += " w";  // appended apart: GCC 12 at -O3 sees a false overlap in " w" + string
        text += std::to_string(i);
    }
    return text + "\nL w.txt\n";
}

std::string Values(int from, int to) {
    std::string text = "A";
    for (int i = from; i < to; i++) {
        text += ' ';
        text += std::to_string(i);
    }
    return text + "\n";
}

// Lines outside a language, and steps whose outcome the interface leaves to the implementer:
// the model refuses them, at that line (0: none), so that no case can take them.
TEST(InterfaceCasesTest, TheModelsRefuseWhatTheyCannotJudge) {
    const struct {
        int client;
        std::string script;
        long refused;
    } scripts[] = {
        {0, "S x\nK\n", 2},
        {0, "S \\q\n", 1},
        {0, "S a\\0b\n", 1},
        {0, "Sx\n", 1},
        {0, "RR\n", 1},
        {0, "S x\nR\nQ\n", 3},
        {1, Values(0, 100), 0},
        {1, Values(0, 101), 1},
        {1, Values(0, 100) + "B 1\nA 5\n", 3},
        {1, Values(0, 100) + "N A\nA 5\n", 0},
        {2, "C\n", 1},
        {2, "X\n", 1},
        {2, "W w.txt a\nL w.txt\nX\nX\n", 4},
        {2, "W w.txt a\nL w.txt\nX\nC\n", 4},
        {2, "W w.txt a\nL w.txt\nL w.txt\n", 3},
        {2, "W w.txt a b\nL w.txt\nC\n", 3},
        {2, "W w.txt a\nL w.txt\nC\n", 0},
        {2, "W e.txt\nL e.txt\nT 1\nC\n", 4},
        {2, Words(1023), 0},
        {2, Words(1024), 2},
        {2, "W w.txt " + Repeated("y", 1023) + "\nL w.txt\n", 0},
        {2, "W w.txt " + Repeated("y", 1024) + "\nL w.txt\n", 2},
        {2, "W ../w.txt a\n", 1},
        {2, "W w.txt \\q\n", 1},
        {2, "W w.txt a\\0b\n", 1},
        {2, "L /etc/passwd\n", 1},
        {2, "L a b\n", 1},
        {2, "T -1\n", 1},
        {2, "T 2147483648\n", 1},
        {2, "Q\n", 1},
    };
    for (const auto &s : scripts) {
        SCOPED_TRACE(s.script.substr(0, 200));
        scriptT script = Script(s.script);
        Expected expected = Expect(*kClients[s.client].interface, script);
        EXPECT_EQ(expected.refused, s.refused) << expected.reason;
        EXPECT_EQ(expected.reason.empty(), s.refused == 0);
        ScriptFree(&script);
    }
}

}  // namespace
