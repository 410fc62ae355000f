// The checker's reports in every format, over result sets whose bytes no format holds as they
// are, checked by parsing them as their readers do (python3's json, xmllint) and by their text;
// and the instructor's case and weights files, good and bad.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "check/check.h"
#include "check/report.h"
#include "check/script.h"

namespace {

const interfaceT kFake = {
    "buffer", "buffers/buffer.h", "bufdemo", nullptr, nullptr, nullptr, nullptr, nullptr};

struct CaseSpec {
    const char *name;
    double most;
    bool hidden;
    verdictT verdict;
    double points;
    const char *summary;
    std::string details;
};

struct ResultSet {
    const char *label;
    std::vector<CaseSpec> cases;
    const char *notice;
};

// Details that hold every kind of byte a format must escape or replace: quotes, backslashes,
// control bytes, a NUL, invalid UTF-8 and the end of an XML CDATA section.
const char kNastyBytes[] =
    "Replay:\npop\nExpected:\n\"a\\b\"\nActual:\n\x01\x7f\xc3\x28 ]]> \0end\r\n";
const std::string kNasty(kNastyBytes, sizeof kNastyBytes - 1);
const char *const kNotice =
    "gap.c:3: error: expected ';' \"quoted\" back\\slash \x01\x1b[31m "
    "\xff\xfe bad \xdf\xbf\xf0\x9f\x98\x80 ]]> & end\r\n";

const ResultSet kSets[] = {
    {"passed",
     {{"push", 1, false, VerdictPassed, 1, "", ""},
      {"pop", 2, false, VerdictPassed, 2, "", ""},
      {"hidden grow", 1, true, VerdictPassed, 1, "", ""}},
     nullptr},
    {"mixed",
     {{"push", 1, false, VerdictPassed, 1, "", ""},
      {"pop # <2> & \"q\"", 2.5, false, VerdictWrongOutput, 0, "wrong output", kNasty},
      {"secret", 0.5, true, VerdictMemoryError, 0, "memory error: leak", "Replay:\nsecret\n"},
      {"slow", 1, false, VerdictTimedOut, 0, "timed out", "Replay:\n  slow\n\n"},
      {"ok hidden", 1.5, true, VerdictPassed, 1.5, "", ""}},
     nullptr},
    {"unbuilt",
     {{"push", 1, false, VerdictNotBuilt, 0, "not built", ""},
      {"hidden one", 2, true, VerdictNotBuilt, 0, "not built", ""}},
     kNotice},
};

std::string Render(formatT format, const ResultSet &set) {
    caseListT list = {nullptr, 0, 0};
    for (const CaseSpec &c : set.cases) {
        caseT *kase = AddCase(&list, c.name, "");
        kase->points = c.most;
        kase->hidden = c.hidden;
    }
    std::vector<resultT> results;
    for (size_t i = 0; i < set.cases.size(); i++) {
        resultT r = {&list.at[i],
                     set.cases[i].verdict,
                     {nullptr, 0, 0},
                     {nullptr, 0, 0},
                     set.cases[i].points};
        TextAppendString(&r.summary, set.cases[i].summary);
        TextAppend(&r.details, set.cases[i].details.data(), set.cases[i].details.size());
        results.push_back(r);
    }
    char *buffer = nullptr;
    size_t size = 0;
    FILE *out = open_memstream(&buffer, &size);
    WriteReport(format, &kFake, results.data(), static_cast<int>(results.size()), set.notice, out);
    fclose(out);
    std::string report(buffer, size);
    free(buffer);
    for (resultT &r : results)
        FreeResult(&r);
    FreeCases(&list);
    return report;
}

// Runs command with the report in a file named after it; returns its standard output, and false
// in ok when it fails.
std::string RunOn(const std::string &report, const std::string &command, bool *ok) {
    char path[] = "/tmp/report_test_XXXXXX";
    int fd = mkstemp(path);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(write(fd, report.data(), report.size()), static_cast<ssize_t>(report.size()));
    close(fd);
    FILE *pipe = popen((command + " " + path).c_str(), "r");
    std::string out;
    char chunk[4096];
    for (size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        out.append(chunk, n);
    *ok = pclose(pipe) == 0;
    unlink(path);
    return out;
}

bool Have(const char *tool) {
    return system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// Each JSON format's fields that matter, one test a line, then the top-level output or notice:
// a strict parse (no raw control character, valid UTF-8) or the run fails.
const char *const kGradescopeDigest =
    "python3 -c 'import json,sys\n"
    "d=json.load(open(sys.argv[1],encoding=\"utf-8\"))\n"
    "o=[str(d[\"score\"])]+[\"|\".join(str(x) for x in (t[\"name\"],t[\"score\"],t[\"max_score\"],"
    "t[\"status\"],t[\"visibility\"],\"Replay\" in t[\"output\"])) for t in d[\"tests\"]]\n"
    "sys.stdout.buffer.write((\"\\n\".join(o)+\"\\n\"+d.get(\"output\",\"\")).encode())'";
const char *const kPrairielearnDigest =
    "python3 -c 'import json,sys\n"
    "d=json.load(open(sys.argv[1],encoding=\"utf-8\"))\n"
    "o=[\"%s %.4f %s\" % (d[\"gradable\"],d[\"score\"],d[\"message\"])]+[\"|\".join(str(x) for "
    "x in (t[\"name\"],t[\"points\"],t[\"max_points\"],t[\"message\"],\"Replay\" in t[\"output\"]))"
    " for t in d[\"tests\"]]\n"
    "sys.stdout.buffer.write((\"\\n\".join(o)+\"\\n\"+d[\"output\"]).encode())'";
// JUnit: the suite's counts and points, the failures that show a script, the second case's name
// and the notice, as a reader decodes them (xmllint ends them with a line end).
const char *const kJunitDigest =
    "xmllint --xpath \"concat(//testsuite/@tests,' ',//testsuite/@failures,' ',"
    "//testsuite/@errors,' ',//testsuite/properties/property[@name='points']/@value,'/',"
    "//testsuite/properties/property[@name='max_points']/@value,' ',"
    "count(//failure[contains(.,'Replay')]|//error[contains(.,'Replay')]),'|',"
    "string(//testcase[2]/@name),'|',string(//system-err))\"";

// The notice as the JSON formats carry it: the invalid bytes each U+FFFD, the valid ones at the
// edges of their lengths (U+07FF, U+1F600) kept.
const char *const kNoticeJson =
    "gap.c:3: error: expected ';' \"quoted\" back\\slash \x01\x1b[31m "
    "\xEF\xBF\xBD\xEF\xBF\xBD bad \xdf\xbf\xf0\x9f\x98\x80 ]]> & end\r\n";
// And as JUnit does: the control bytes as their pictures (U+2401, U+241B), CR as it is.
const char *const kNoticeXml =
    "gap.c:3: error: expected ';' \"quoted\" back\\slash "
    "\xE2\x90\x81\xE2\x90\x9B[31m \xEF\xBF\xBD\xEF\xBF\xBD bad \xdf\xbf\xf0\x9f\x98\x80 ]]> & "
    "end\r\n";

struct FormatCase {
    const char *set;
    formatT format;
    std::string expected;  // the text report, or the digest of a parsed one
};

const FormatCase kFormatCases[] = {
    {"passed", FormatText, "ok   push\nok   pop\nok   hidden grow\nall 3 cases pass\n"},
    {"mixed", FormatText,
     "ok   push\nFAIL pop # <2> & \"q\": wrong output\n" + kNasty +
         "FAIL secret: memory error: leak\nFAIL slow: timed out\nReplay:\n  slow\n\nok   ok "
         "hidden\n"
         "passed 2 of 5 cases: 2.5 of 6.5 points\n"},
    {"unbuilt", FormatText,
     std::string(kNotice) +
         "FAIL push: not built\nFAIL hidden one: not built\npassed 0 of 2 cases: 0 of 3 points\n"},
    {"passed", FormatGradescope,
     "4\npush|1|1|passed|visible|False\npop|2|2|passed|visible|False\n"
     "hidden grow|1|1|passed|visible|False\n"},
    {"mixed", FormatGradescope,
     "2.5\npush|1|1|passed|visible|False\npop # <2> & \"q\"|0|2.5|failed|visible|True\n"
     "secret|0|0.5|failed|visible|False\nsecret (details)|0|0|failed|after_published|True\n"
     "slow|0|1|failed|visible|True\nok hidden|1.5|1.5|passed|visible|False\n"},
    {"unbuilt", FormatGradescope,
     std::string("0\npush|0|1|failed|visible|False\nhidden one|0|2|failed|visible|False\n") +
         kNoticeJson},
    {"passed", FormatPrairielearn,
     "True 1.0000 all 3 cases pass\npush|1|1||False\npop|2|2||False\nhidden grow|1|1||False\n"},
    {"mixed", FormatPrairielearn,
     "True 0.3846 passed 2 of 5 cases: 2.5 of 6.5 points\npush|1|1||False\n"
     "pop # <2> & \"q\"|0|2.5|wrong output|True\nsecret|0|0.5|memory error: leak|False\n"
     "slow|0|1|timed out|True\nok hidden|1.5|1.5||False\n"},
    {"unbuilt", FormatPrairielearn,
     std::string("True 0.0000 passed 0 of 2 cases: 0 of 3 points\npush|0|1|not built|False\n"
                 "hidden one|0|2|not built|False\n") +
         kNoticeJson},
    {"passed", FormatJunit, "3 0 0 4/4 0|pop|\n"},
    {"mixed", FormatJunit, "5 2 1 2.5/6.5 2|pop # <2> & \"q\"|\n"},
    {"unbuilt", FormatJunit, std::string("2 0 2 0/3 0|hidden one|") + kNoticeXml + "\n"},
};

const ResultSet &FindSet(const char *label) {
    for (const ResultSet &set : kSets)
        if (std::string(set.label) == label) return set;
    abort();
}

TEST(Report, EachFormatReadsBackAsItsReadersSeeIt) {
    for (const FormatCase &c : kFormatCases) {
        SCOPED_TRACE(std::string(c.set) + " as format " + std::to_string(c.format));
        std::string report = Render(c.format, FindSet(c.set));
        if (c.format == FormatText) {
            EXPECT_EQ(report, c.expected);
            continue;
        }
        const char *tool = c.format == FormatJunit ? "xmllint" : "python3";
        if (!Have(tool)) {
            ADD_FAILURE() << tool << " is needed to read the report back";
            continue;
        }
        bool ok = false;
        if (c.format == FormatJunit) {
            RunOn(report, "xmllint --noout", &ok);
            EXPECT_TRUE(ok) << report;
        }
        const char *digest = c.format == FormatJunit        ? kJunitDigest
                             : c.format == FormatGradescope ? kGradescopeDigest
                                                            : kPrairielearnDigest;
        EXPECT_EQ(RunOn(report, digest, &ok), c.expected) << report;
        EXPECT_TRUE(ok) << report;
    }
}

// TAP: the version, comments, the plan, one test line a case numbered in order, everything else
// indented diagnostics, a closing comment; and no byte a TAP or YAML reader refuses.
TEST(Report, TapHasOnePlannedLineACaseAndOnlyPrintableBytes) {
    struct {
        const char *set;
        int scripts;  // the cases whose details show
        const char *second;
    } cases[] = {{"passed", 0, "ok 2 - pop"},
                 {"mixed", 2, "not ok 2 - pop \\# <2> & \"q\""},
                 {"unbuilt", 0, "not ok 2 - hidden one"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.set);
        const ResultSet &set = FindSet(c.set);
        std::string report = Render(FormatTap, set);
        for (unsigned char byte : report)
            EXPECT_TRUE(byte >= 0x20 ? byte != 0x7F && byte != 0xFF && byte != 0xFE
                                     : byte == '\n' || byte == '\t')
                << static_cast<int>(byte);
        std::vector<std::string> lines;
        for (size_t at = 0, end; at < report.size(); at = end + 1) {
            end = report.find('\n', at);
            ASSERT_NE(end, std::string::npos) << "a last line without its end";
            lines.push_back(report.substr(at, end - at));
        }
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(lines[0], "TAP version 14");
        int planned = -1, tests = 0, scripts = 0;
        for (size_t i = 1; i < lines.size(); i++) {
            const std::string &line = lines[i];
            std::string number = std::to_string(tests + 1);
            if (line.rfind("1..", 0) == 0) {
                EXPECT_EQ(planned, -1) << "a second plan";
                planned = atoi(line.c_str() + 3);
            } else if (line.rfind("ok " + number + " - ", 0) == 0 ||
                       line.rfind("not ok " + number + " - ", 0) == 0) {
                tests++;
                if (tests == 2) {
                    EXPECT_EQ(line, c.second);
                }
            } else if (line.rfind("    Replay", 0) == 0) {
                scripts++;
            } else {
                EXPECT_TRUE(line.empty() || line[0] == '#' || line.rfind("  ", 0) == 0) << line;
            }
        }
        EXPECT_EQ(planned, static_cast<int>(set.cases.size()));
        EXPECT_EQ(tests, planned);
        EXPECT_EQ(scripts, c.scripts);
        EXPECT_EQ(lines.back()[0], '#');
    }
}

TEST(Report, ParseFormatKnowsEachName) {
    const struct {
        const char *name;
        bool known;
        formatT format;
    } cases[] = {{"text", true, FormatText},
                 {"tap", true, FormatTap},
                 {"junit", true, FormatJunit},
                 {"gradescope", true, FormatGradescope},
                 {"prairielearn", true, FormatPrairielearn},
                 {"json", false, FormatText},
                 {"TAP", false, FormatText},
                 {"", false, FormatText}};
    for (const auto &c : cases) {
        formatT format = FormatText;
        EXPECT_EQ(ParseFormat(c.name, &format), c.known) << c.name;
        EXPECT_EQ(format, c.format) << c.name;
    }
}

// Every case of a list as "name|points|hidden|line;line;...", one a line.
std::string Describe(const caseListT &list) {
    std::string out;
    for (int i = 0; i < list.count; i++) {
        const caseT &c = list.at[i];
        char points[32];
        snprintf(points, sizeof points, "%g", c.points);
        out += std::string(c.name) + "|" + points + "|" + (c.hidden ? "hidden" : "shown") + "|";
        for (long k = 0; k < c.script.count; k++)
            out += std::string(ScriptLine(&c.script, k)) + ";";
        out += "\n";
    }
    return out;
}

// Reads text as a file through reader into a list that holds the cases "push" and "pop"; the
// list, or the error.
std::string ReadInto(bool (*reader)(FILE *, caseListT *, textT *), const std::string &text) {
    caseListT list = {nullptr, 0, 0};
    AddCase(&list, "push", "push 1\n");
    AddCase(&list, "pop", "pop");
    FILE *in = fmemopen(const_cast<char *>(text.data()), text.size(), "r");
    textT error = {nullptr, 0, 0};
    bool ok = reader(in, &list, &error);
    fclose(in);
    std::string out = ok ? Describe(list) : "error: " + std::string(TextString(&error));
    TextFree(&error);
    FreeCases(&list);
    return out;
}

TEST(Script, CaseAndWeightsFilesReadAsWrittenAndRefuseTheRest) {
    const struct {
        bool weights;
        std::string file, expected;
    } cases[] = {
        {false,
         "comments come first\n=== grow\na\n\n=== 2.5 hidden big one  \nb\\x41\r\n"
         "=== 0 hidden\tsolo\n",
         "push|1|shown|push 1;\npop|1|shown|pop;\ngrow|1|shown|a;;\nbig one|2.5|hidden|b\\x41;\n"
         "solo|0|hidden|\n"},
        {false, "", "push|1|shown|push 1;\npop|1|shown|pop;\n"},
        {false, "=== a\nx\n===\n", "error: line 3: no case name"},
        {false, "=== 2 \n", "error: line 1: no case name"},
        {false, "=== 3 hidden\n", "error: line 1: no case name"},
        {false, "=== 2x name\n", "error: line 1: points must be a number such as 2 or 0.5"},
        {false, "=== 1.2.3 name\n", "error: line 1: points must be a number such as 2 or 0.5"},
        {false, "=== -1 name\n", "error: line 1: points must be a number such as 2 or 0.5"},
        {false, "=== .5 name\n", "error: line 1: points must be a number such as 2 or 0.5"},
        {false, "=== 99999999999 name\n",
         "error: line 1: points must be a number such as 2 or 0.5"},
        {false, "=== new\n=== new\n", "error: line 2: a case of that name is already given"},
        {false, "=== pop\n", "error: line 1: a case of that name is already given"},
        {true, "# weights\n\n2 push\n  0.25 hidden pop\n",
         "push|2|shown|push 1;\npop|0.25|hidden|pop;\n"},
        {true, "1 push\n2 nosuch\n", "error: line 2: no case of that name"},
        {true, "push\n", "error: line 1: points must be a number such as 2 or 0.5"},
        {true, "1e3 push\n", "error: line 1: points must be a number such as 2 or 0.5"},
        {true, "2\n", "error: line 1: no case name"},
        {true, "2 hidden\n", "error: line 1: no case name"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ReadInto(c.weights ? ReadWeights : ReadCases, c.file), c.expected) << c.file;
}

TEST(Script, LinesSplitAtLineEndsAndSubsetsKeepTheirOrder) {
    scriptT script = {{nullptr, 0, 0}, nullptr, 0, 0};
    ScriptAddLines(&script, "a\n\nb c\nlast");
    ScriptAdd(&script, "xyz", 2);
    ASSERT_EQ(script.count, 5);
    const char keep[] = {1, 0, 1, 0, 1};
    scriptT subset = ScriptSubset(&script, keep);
    ASSERT_EQ(subset.count, 3);
    EXPECT_STREQ(ScriptLine(&subset, 0), "a");
    EXPECT_STREQ(ScriptLine(&subset, 1), "b c");
    EXPECT_STREQ(ScriptLine(&subset, 2), "xy");
    EXPECT_STREQ(ScriptLine(&script, 1), "");
    EXPECT_STREQ(ScriptLine(&script, 3), "last");
    ScriptFree(&subset);
    ScriptFree(&script);
}

}  // namespace

// The command languages' escapes: every byte that would not show on a line written as an
// escape, and read back from one; a backslash that starts none is refused.
TEST(Text, EscapesWriteEveryByteOnOneLineAndReadBack) {
    struct Case {
        std::string bytes;
        std::string escaped;
    };
    const Case cases[] = {
        {"plain text, a blank", "plain text, a blank"},
        {"\t\n\v\f\r", "\\t\\n\\v\\f\\r"},
        {"back\\slash \"quoted\"", "back\\\\slash \"quoted\""},
        {std::string("\x01\x1f\x7f\x80\xe9\xff", 6), "\\x01\\x1F\\x7F\\x80\\xE9\\xFF"},
        {std::string("nul\0end", 7), "nul\\x00end"},
        {"0123456789abcdefABCDEF", "0123456789abcdefABCDEF"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.escaped);
        textT out = {};
        AppendEscaped(&out, c.bytes.data(), c.bytes.size());
        EXPECT_EQ(std::string(TextString(&out), out.n), c.escaped);
        EXPECT_TRUE(Unescape(c.escaped.c_str(), &out));
        EXPECT_EQ(std::string(TextString(&out), out.n), c.bytes);
        TextFree(&out);
    }
    const struct {
        const char *escaped;
        const char *bytes;  // what Unescape reads, the C escapes it takes beyond AppendEscaped's
        bool valid;
    } reads[] = {
        {"\\x41\\x7a\\x30\\x39", "Az09", true},
        {"\\\"\\0x", "\"", true},
        {"ab\\q", "ab", false},
        {"\\x4", "", false},
        {"\\xg0", "", false},
        {"end\\", "end", false},
    };
    for (const auto &r : reads) {
        SCOPED_TRACE(r.escaped);
        textT out = {};
        EXPECT_EQ(Unescape(r.escaped, &out), r.valid);
        EXPECT_STREQ(TextString(&out), r.bytes);
        TextFree(&out);
    }
}
