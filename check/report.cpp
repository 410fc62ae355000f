/*
 * report: a run's results as text, TAP 14, JUnit XML and the results.json of Gradescope and
 * PrairieLearn (check/report.h).
 *
 * A module's output and a compiler's messages may hold any byte, and every format but the text
 * one has bytes it cannot hold: one walk over UTF-8 (NextCode) turns an invalid byte into
 * U+FFFD, and each format's escaper then writes or replaces each character as it must.
 */
#include "check/report.h"

#include <cstring>

bool ParseFormat(const char *name, formatT *format) {
    static const char *const names[] = {"text", "tap", "junit", "gradescope", "prairielearn"};
    static const formatT formats[] = {FormatText, FormatTap, FormatJunit, FormatGradescope,
                                      FormatPrairielearn};
    for (size_t i = 0; i < sizeof names / sizeof names[0]; i++) {
        if (strcmp(name, names[i]) == 0) {
            *format = formats[i];
            return true;
        }
    }
    return false;
}

/*
 * The character at s[*i], *i moved past it: its code point, or U+FFFD for a byte that begins
 * no well-formed UTF-8 character (a stray continuation, an overlong form, a surrogate, beyond
 * U+10FFFF, cut short), which is then skipped alone so that what follows still reads.
 */
static long NextCode(const char *s, size_t n, size_t *i) {
    const unsigned char *u = reinterpret_cast<const unsigned char *>(s) + *i;
    size_t left = n - *i, length;
    long code, least;
    if (u[0] < 0x80) {
        (*i)++;
        return u[0];
    } else if (u[0] >= 0xC2 && u[0] <= 0xDF) {
        length = 2, code = u[0] & 0x1F, least = 0x80;
    } else if (u[0] >= 0xE0 && u[0] <= 0xEF) {
        length = 3, code = u[0] & 0x0F, least = 0x800;
    } else if (u[0] >= 0xF0 && u[0] <= 0xF4) {
        length = 4, code = u[0] & 0x07, least = 0x10000;
    } else {
        length = 0, code = 0, least = 1;
    }
    bool whole = length > 0 && length <= left;
    for (size_t k = 1; whole && k < length; k++) {
        whole = (u[k] & 0xC0) == 0x80;
        code = code << 6 | (u[k] & 0x3F);
    }
    if (!whole || code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        (*i)++;
        return 0xFFFD;
    }
    *i += length;
    return code;
}

static void AppendCode(textT *t, long code) {
    char bytes[4];
    size_t n;
    if (code < 0x80) {
        bytes[0] = static_cast<char>(code), n = 1;
    } else if (code < 0x800) {
        bytes[0] = static_cast<char>(0xC0 | code >> 6), n = 2;
    } else if (code < 0x10000) {
        bytes[0] = static_cast<char>(0xE0 | code >> 12), n = 3;
    } else {
        bytes[0] = static_cast<char>(0xF0 | code >> 18), n = 4;
    }
    for (size_t k = 1; k < n; k++)
        bytes[k] = static_cast<char>(0x80 | (code >> (6 * (n - 1 - k)) & 0x3F));
    TextAppend(t, bytes, n);
}

/*
 * Whether XML 1.0 and YAML (TAP's diagnostics) can hold the character as it is: not a control
 * character but tab, line feed (and CR, which both read as a line end), nor U+FFFE or U+FFFF.
 */
static bool Printable(long code) {
    return (code >= 0x20 && code < 0x7F) || code == '\t' || code == '\n' || code == '\r' ||
           (code >= 0xA0 && code != 0xFFFE && code != 0xFFFF);
}

/*
 * The character that stands for one that cannot appear as it is: a C0 control's picture
 * (U+2400 + c, so NUL shows as U+2400 and ESC as U+241B), DEL's (U+2421), and U+FFFD for the
 * rest, so that a reader still sees that a byte was there and which one.
 */
static long Picture(long code) {
    if (code < 0x20) return 0x2400 + code;
    return code == 0x7F ? 0x2421 : 0xFFFD;
}

/*
 * A JSON string. Beyond what RFC 8259 requires, every character Printable refuses is a \u
 * escape too, so that the same string serves as a YAML double-quoted scalar.
 */
static void AppendJson(textT *t, const char *s, size_t n) {
    TextAppend(t, "\"", 1);
    for (size_t i = 0; i < n;) {
        long code = NextCode(s, n, &i);
        const char *named = code == '"'    ? "\\\""
                            : code == '\\' ? "\\\\"
                            : code == '\n' ? "\\n"
                            : code == '\t' ? "\\t"
                            : code == '\r' ? "\\r"
                                           : nullptr;
        if (named != nullptr)
            TextAppendString(t, named);
        else if (!Printable(code))
            TextFormat(t, "\\u%04lX", static_cast<unsigned long>(code));
        else
            AppendCode(t, code);
    }
    TextAppend(t, "\"", 1);
}

static void AppendJsonString(textT *t, const char *s) {
    AppendJson(t, s, strlen(s));
}

/*
 * XML character data, or an attribute value. Markup characters are references (so "]]>"
 * cannot occur), and CR is &#13; so that it survives the parser's line end normalisation; an
 * attribute's tab and line feed are references for the same reason.
 */
static void AppendXml(textT *t, const char *s, size_t n, bool attribute) {
    for (size_t i = 0; i < n;) {
        long code = NextCode(s, n, &i);
        if (code == '&')
            TextAppendString(t, "&amp;");
        else if (code == '<')
            TextAppendString(t, "&lt;");
        else if (code == '>')
            TextAppendString(t, "&gt;");
        else if (code == '"')
            TextAppendString(t, "&quot;");
        else if (code == '\r' || (attribute && (code == '\t' || code == '\n')))
            TextFormat(t, "&#%ld;", code);
        else
            AppendCode(t, Printable(code) ? code : Picture(code));
    }
}

/*
 * Text on TAP lines: every character Printable refuses, and CR, as its picture, and on one
 * line (a test's description) tab and line feed too, with # and the backslash escaped as TAP
 * 14 asks, so that the description ends where the line does.
 */
static void AppendTap(textT *t, const char *s, size_t n, bool oneLine) {
    for (size_t i = 0; i < n;) {
        long code = NextCode(s, n, &i);
        if (oneLine && (code == '#' || code == '\\'))
            TextFormat(t, "\\%c", static_cast<char>(code));
        else if (!Printable(code) || code == '\r' || (oneLine && (code == '\t' || code == '\n')))
            AppendCode(t, Picture(code));
        else
            AppendCode(t, code);
    }
}

/* Points as the shortest decimal that reads back the same in 15 digits: "2", "0.5". */
static void AppendPoints(textT *t, double points) {
    /* x - x is 0 only for a finite x; an infinity or NaN would make invalid JSON. */
    TextFormat(t, "%.15g", points - points == 0 && points != 0 ? points : 0.0);
}

static const char *CaseName(const resultT *result) {
    return result->kase != nullptr ? result->kase->name : "";
}

static double CasePoints(const resultT *result) {
    return result->kase != nullptr ? result->kase->points : 0;
}

static bool CaseHidden(const resultT *result) {
    return result->kase != nullptr && result->kase->hidden;
}

typedef struct {
    int passed, failures, errors;
    double points, most;
} totalsT;

/*
 * JUnit's errors are the cases that could not run to an end the checker can judge (a crash, a
 * time out, no module); its failures are those that ended with the wrong behaviour.
 */
static bool IsError(verdictT verdict) {
    return verdict == VerdictCrashed || verdict == VerdictTimedOut || verdict == VerdictNotBuilt;
}

static totalsT Totals(const resultT *results, int count) {
    totalsT totals = {0, 0, 0, 0, 0};
    for (int i = 0; i < count; i++) {
        if (results[i].verdict == VerdictPassed)
            totals.passed++;
        else if (IsError(results[i].verdict))
            totals.errors++;
        else
            totals.failures++;
        totals.points += results[i].points;
        totals.most += CasePoints(&results[i]);
    }
    return totals;
}

/* "passed 2 of 3 cases: 2.5 of 4 points", the closing line of a run that failed a case. */
static void AppendTally(textT *t, const totalsT *totals, int count) {
    TextFormat(t, "passed %d of %d cases: ", totals->passed, count);
    AppendPoints(t, totals->points);
    TextAppendString(t, " of ");
    AppendPoints(t, totals->most);
    TextAppendString(t, " points");
}

static void EndLine(textT *t) {
    if (t->n > 0 && t->s[t->n - 1] != '\n') TextAppend(t, "\n", 1);
}

static void WriteText(textT *t, const resultT *results, int count, const char *notice,
                      const totalsT *totals) {
    if (notice != nullptr && notice[0] != '\0') {
        TextAppendString(t, notice);
        EndLine(t);
    }
    for (int i = 0; i < count; i++) {
        const resultT *r = &results[i];
        if (r->verdict == VerdictPassed) {
            TextFormat(t, "ok   %s\n", CaseName(r));
            continue;
        }
        TextFormat(t, "FAIL %s: %s\n", CaseName(r), TextString(&r->summary));
        /* A hidden case says only what went wrong, never its script. */
        if (!CaseHidden(r) && r->details.n > 0) {
            TextAppend(t, TextString(&r->details), r->details.n);
            EndLine(t);
        }
    }
    if (totals->passed == count) {
        TextFormat(t, "all %d cases pass\n", count);
    } else {
        AppendTally(t, totals, count);
        TextAppend(t, "\n", 1);
    }
}

/* A YAML literal block of text at four blanks, its last line ends kept as they are. */
static void AppendTapBlock(textT *t, const textT *text) {
    const char *s = TextString(text);
    size_t n = text->n;
    /* The indentation is given (2) so that a first line that begins with blanks stays whole;
     * the chomping keeps as many line ends at the end as the text has. */
    const char *chomp = n == 0 || s[n - 1] != '\n' ? "-" : n >= 2 && s[n - 2] == '\n' ? "+" : "";
    TextFormat(t, "|2%s\n", chomp);
    for (size_t start = 0; start < n;) {
        const char *end = static_cast<const char *>(memchr(s + start, '\n', n - start));
        size_t length = end != nullptr ? static_cast<size_t>(end - (s + start)) : n - start;
        /* An empty line keeps the block's own two blanks, which TAP readers look for. */
        TextAppendString(t, length > 0 ? "    " : "  ");
        AppendTap(t, s + start, length, false);
        TextAppend(t, "\n", 1);
        start += length + 1;
    }
}

static void WriteTap(textT *t, const resultT *results, int count, const char *notice,
                     const totalsT *totals) {
    TextAppendString(t, "TAP version 14\n");
    if (notice != nullptr && notice[0] != '\0') {
        size_t n = strlen(notice);
        for (size_t start = 0; start < n;) {
            const char *end = strchr(notice + start, '\n');
            size_t length =
                end != nullptr ? static_cast<size_t>(end - (notice + start)) : n - start;
            TextAppendString(t, length > 0 ? "# " : "#");
            AppendTap(t, notice + start, length, true);
            TextAppend(t, "\n", 1);
            start += length + 1;
        }
    }
    TextFormat(t, "1..%d\n", count);
    for (int i = 0; i < count; i++) {
        const resultT *r = &results[i];
        bool passed = r->verdict == VerdictPassed;
        TextFormat(t, "%sok %d - ", passed ? "" : "not ", i + 1);
        AppendTap(t, CaseName(r), strlen(CaseName(r)), true);
        TextFormat(t, "\n  ---\n  verdict: %s\n  points: ", VerdictName(r->verdict));
        AppendPoints(t, r->points);
        TextAppendString(t, "\n  max_points: ");
        AppendPoints(t, CasePoints(r));
        TextAppend(t, "\n", 1);
        if (!passed) {
            TextAppendString(t, "  summary: ");
            AppendJson(t, TextString(&r->summary), r->summary.n);
            TextAppend(t, "\n", 1);
        }
        if (!passed && !CaseHidden(r) && r->details.n > 0) {
            TextAppendString(t, "  details: ");
            AppendTapBlock(t, &r->details);
        }
        TextAppendString(t, "  ...\n");
    }
    TextAppendString(t, "# ");
    AppendTally(t, totals, count);
    TextAppend(t, "\n", 1);
}

static void AppendXmlString(textT *t, const char *s, bool attribute) {
    AppendXml(t, s, strlen(s), attribute);
}

static void AppendXmlPoints(textT *t, const char *indent, double points, double most) {
    TextFormat(t, "%s<properties>\n%s  <property name=\"points\" value=\"", indent, indent);
    AppendPoints(t, points);
    TextFormat(t, "\"/>\n%s  <property name=\"max_points\" value=\"", indent);
    AppendPoints(t, most);
    TextFormat(t, "\"/>\n%s</properties>\n", indent);
}

static void WriteJunit(textT *t, const interfaceT *interface, const resultT *results, int count,
                       const char *notice, const totalsT *totals) {
    const char *name = interface != nullptr ? interface->name : "";
    TextAppendString(t, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    TextFormat(t, "<testsuites tests=\"%d\" failures=\"%d\" errors=\"%d\">\n", count,
               totals->failures, totals->errors);
    TextAppendString(t, "  <testsuite name=\"");
    AppendXmlString(t, name, true);
    TextFormat(t, "\" tests=\"%d\" failures=\"%d\" errors=\"%d\" skipped=\"0\">\n", count,
               totals->failures, totals->errors);
    AppendXmlPoints(t, "    ", totals->points, totals->most);
    for (int i = 0; i < count; i++) {
        const resultT *r = &results[i];
        TextAppendString(t, "    <testcase name=\"");
        AppendXmlString(t, CaseName(r), true);
        TextAppendString(t, "\" classname=\"");
        AppendXmlString(t, name, true);
        TextAppendString(t, "\">\n");
        AppendXmlPoints(t, "      ", r->points, CasePoints(r));
        if (r->verdict != VerdictPassed) {
            const char *element = IsError(r->verdict) ? "error" : "failure";
            TextFormat(t, "      <%s message=\"", element);
            AppendXml(t, TextString(&r->summary), r->summary.n, true);
            TextFormat(t, "\" type=\"%s\"", VerdictName(r->verdict));
            if (CaseHidden(r) || r->details.n == 0) {
                TextAppendString(t, "/>\n");
            } else {
                TextAppend(t, ">", 1);
                AppendXml(t, TextString(&r->details), r->details.n, false);
                TextFormat(t, "</%s>\n", element);
            }
        }
        TextAppendString(t, "    </testcase>\n");
    }
    if (notice != nullptr && notice[0] != '\0') {
        TextAppendString(t, "    <system-err>");
        AppendXmlString(t, notice, false);
        TextAppendString(t, "</system-err>\n");
    }
    TextAppendString(t, "  </testsuite>\n</testsuites>\n");
}

/* What a failed case shows: its summary, then its details after an empty line. */
static void AppendCaseOutput(textT *output, const resultT *r, bool details) {
    TextAppend(output, TextString(&r->summary), r->summary.n);
    if (!details || r->details.n == 0) return;
    if (output->n > 0) TextAppendString(output, "\n\n");
    TextAppend(output, TextString(&r->details), r->details.n);
}

static void AppendGradescopeTest(textT *t, const char *name, const char *suffix, double score,
                                 double most, bool passed, const textT *output,
                                 const char *visibility) {
    textT full = {nullptr, 0, 0};
    TextFormat(&full, "%s%s", name, suffix);
    TextAppendString(t, "    {\"name\": ");
    AppendJson(t, TextString(&full), full.n);
    TextAppendString(t, ", \"score\": ");
    AppendPoints(t, score);
    TextAppendString(t, ", \"max_score\": ");
    AppendPoints(t, most);
    TextFormat(t, ", \"status\": \"%s\", \"output\": ", passed ? "passed" : "failed");
    AppendJson(t, TextString(output), output->n);
    TextFormat(t, ", \"visibility\": \"%s\"}", visibility);
    TextFree(&full);
}

/*
 * Gradescope: a test per case, its output in plain text so that a replay script shows as it
 * is. A hidden case is two tests: the case itself, whose score and status the student sees at
 * once, and "<name> (details)", worth nothing, that holds its script and output and shows only
 * once the instructor publishes the grades (visibility after_published).
 */
static void WriteGradescope(textT *t, const resultT *results, int count, const char *notice,
                            const totalsT *totals) {
    TextAppendString(t, "{\n  \"score\": ");
    AppendPoints(t, totals->points);
    if (notice != nullptr) {
        TextAppendString(t, ",\n  \"output\": ");
        AppendJsonString(t, notice);
    }
    TextAppendString(t,
                     ",\n  \"output_format\": \"text\",\n  \"test_output_format\": \"text\",\n"
                     "  \"tests\": [");
    textT output = {nullptr, 0, 0};
    for (int i = 0; i < count; i++) {
        const resultT *r = &results[i];
        bool passed = r->verdict == VerdictPassed, hidden = CaseHidden(r);
        TextClear(&output);
        if (!passed) AppendCaseOutput(&output, r, !hidden);
        if (hidden && r->details.n > 0) {
            if (output.n > 0) TextAppend(&output, "\n", 1);
            TextAppendString(&output,
                             "The details of this case are shown once the grades are "
                             "published.");
        }
        TextAppendString(t, i > 0 ? ",\n" : "\n");
        AppendGradescopeTest(t, CaseName(r), "", r->points, CasePoints(r), passed, &output,
                             "visible");
        if (hidden && r->details.n > 0) {
            TextClear(&output);
            AppendCaseOutput(&output, r, true);
            TextAppendString(t, ",\n");
            AppendGradescopeTest(t, CaseName(r), " (details)", 0, 0, passed, &output,
                                 "after_published");
        }
    }
    TextFree(&output);
    TextAppendString(t, count > 0 ? "\n  ]\n}\n" : "]\n}\n");
}

/*
 * PrairieLearn's external grader: score is the fraction of the points earned, message the
 * run's closing line, output the notice; a test per case with its summary as message, its
 * details as output (none for a hidden case).
 */
static void WritePrairielearn(textT *t, const resultT *results, int count, const char *notice,
                              const totalsT *totals) {
    double score = totals->most > 0 ? totals->points / totals->most : 0;
    if (score > 1) score = 1;
    if (!(score > 0)) score = 0;
    textT line = {nullptr, 0, 0};
    if (totals->passed == count)
        TextFormat(&line, "all %d cases pass", count);
    else
        AppendTally(&line, totals, count);
    TextAppendString(t, "{\n  \"gradable\": true,\n  \"score\": ");
    AppendPoints(t, score);
    TextAppendString(t, ",\n  \"message\": ");
    AppendJson(t, TextString(&line), line.n);
    TextAppendString(t, ",\n  \"output\": ");
    AppendJsonString(t, notice != nullptr ? notice : "");
    TextAppendString(t, ",\n  \"tests\": [");
    for (int i = 0; i < count; i++) {
        const resultT *r = &results[i];
        TextAppendString(t, i > 0 ? ",\n    {\"name\": " : "\n    {\"name\": ");
        AppendJsonString(t, CaseName(r));
        TextAppendString(t, ", \"points\": ");
        AppendPoints(t, r->points);
        TextAppendString(t, ", \"max_points\": ");
        AppendPoints(t, CasePoints(r));
        TextAppendString(t, ", \"message\": ");
        AppendJson(t, TextString(&r->summary), r->summary.n);
        TextAppendString(t, ", \"output\": ");
        if (CaseHidden(r) && r->details.n > 0)
            AppendJsonString(t, "The script and output of this case are hidden.");
        else
            AppendJson(t, TextString(&r->details), r->details.n);
        TextAppend(t, "}", 1);
    }
    TextAppendString(t, count > 0 ? "\n  ]\n}\n" : "]\n}\n");
    TextFree(&line);
}

void WriteReport(formatT format, const interfaceT *interface, const resultT *results, int count,
                 const char *notice, FILE *out) {
    totalsT totals = Totals(results, count);
    textT t = {nullptr, 0, 0};
    switch (format) {
        case FormatText:
            WriteText(&t, results, count, notice, &totals);
            break;
        case FormatTap:
            WriteTap(&t, results, count, notice, &totals);
            break;
        case FormatJunit:
            WriteJunit(&t, interface, results, count, notice, &totals);
            break;
        case FormatGradescope:
            WriteGradescope(&t, results, count, notice, &totals);
            break;
        case FormatPrairielearn:
            WritePrairielearn(&t, results, count, notice, &totals);
            break;
    }
    fwrite(TextString(&t), 1, t.n, out);
    TextFree(&t);
}
