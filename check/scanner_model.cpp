/*
 * scanner_model: what siftdemo -c prints for each command over a scanner that keeps its
 * contract (scanner/wordsift.h), and the scanner's cases. The tokens are cut here again, from
 * the rules of the contract alone, so that a fault of the module is never copied into the
 * model.
 */
#include <cstdlib>
#include <cstring>

#include "check/check.h"
#include "check/echo.h"
#include "scanner/wordsift.h"

namespace {

struct scannerModelT {
    bool hasText; /* SetScannerString was called since the scanner was made */
    textT text;
    size_t cp;
    spaceOptionT option;
    bool saving; /* a token was saved and not read back */
    textT saved;
    bool haveLast; /* the client has read a token, which K saves */
    textT last;
};

}  // namespace

static scannerModelT *Of(modelT *model) {
    return reinterpret_cast<scannerModelT *>(model);
}

/* The contract's classes: the C locale's, with the NUL and bytes 0x80-0xFF in neither. */
static bool IsLetterOrDigit(char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9');
}

static bool IsWhiteSpace(char ch) {
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

static void SkipSpaces(scannerModelT *m) {
    while (m->cp < m->text.n && IsWhiteSpace(m->text.s[m->cp]))
        m->cp++;
}

static bool MoreTokens(scannerModelT *m) {
    if (m->saving) return m->saved.n > 0;
    if (m->option == IgnoreSpaces) SkipSpaces(m);
    return m->cp < m->text.n;
}

/* The next token into token; returns whether it is the saved one coming back. */
static bool NextToken(scannerModelT *m, textT *token) {
    TextClear(token);
    if (m->saving) {
        m->saving = false;
        TextAppend(token, TextString(&m->saved), m->saved.n);
        return true;
    }
    if (m->option == IgnoreSpaces) SkipSpaces(m);
    size_t start = m->cp;
    if (start >= m->text.n) return false;
    m->cp++;
    if (IsLetterOrDigit(m->text.s[start]))
        while (m->cp < m->text.n && IsLetterOrDigit(m->text.s[m->cp]))
            m->cp++;
    TextAppend(token, m->text.s + start, m->cp - start);
    return false;
}

/* The token as R and A show it. */
static void ShowToken(textT *out, const textT *token, bool cameBack) {
    TextAppendString(out, "[");
    AppendEscaped(out, TextString(token), token->n);
    TextAppendString(out, cameBack ? "] (saved)" : "]");
}

static modelT *NewModel(traitsT) {
    scannerModelT *m = static_cast<scannerModelT *>(calloc(1, sizeof(scannerModelT)));
    if (m == nullptr) abort();
    m->option = PreserveSpaces;
    return reinterpret_cast<modelT *>(m);
}

static void FreeModel(modelT *model) {
    scannerModelT *m = Of(model);
    TextFree(&m->text);
    TextFree(&m->saved);
    TextFree(&m->last);
    free(m);
}

static const char NoText[] = "SetScannerString has not been called";

static void EndInError(expectT *expect, const char *message) {
    expect->ending = EndsInError;
    TextAppendString(&expect->message, message);
}

static const char *SetText(scannerModelT *m, const char *escaped) {
    textT text = {};
    bool decoded = Unescape(escaped, &text);
    bool holdsNul = decoded && strlen(TextString(&text)) != text.n;
    TextFree(&m->text);
    m->text = text;
    if (!decoded)
        return "S: a backslash that begins no escape (\\t \\n \\v \\f \\r \\\\ \\\" \\xHH)";
    /* The scanner takes a C string: the client would hand over only what comes before it. */
    if (holdsNul) return "S: a text holding a NUL byte (\\0), which a C string cannot";
    m->hasText = true;
    m->cp = 0;
    m->saving = false;
    return nullptr;
}

static const char *Command(scannerModelT *m, char command, expectT *expect) {
    textT *out = &expect->out;
    textT token = {};
    switch (command) {
        case 'R': {
            if (!m->hasText) break;
            bool cameBack = NextToken(m, &token);
            ShowToken(out, &token, cameBack);
            TextAppendString(out, "\n");
            TextFree(&m->last);
            m->last = token;
            m->haveLast = true;
            return nullptr;
        }
        case 'M':
            if (!m->hasText) break;
            TextAppendString(out, MoreTokens(m) ? "TRUE\n" : "FALSE\n");
            return nullptr;
        case 'K':
            if (!m->haveLast) return "K before any R: the client has no token to save";
            if (!m->hasText) break;
            if (m->saving) {
                EndInError(expect, "Token has already been saved");
                return nullptr;
            }
            m->saving = true;
            TextClear(&m->saved);
            TextAppend(&m->saved, TextString(&m->last), m->last.n);
            return nullptr;
        case 'P':
            m->option = PreserveSpaces;
            return nullptr;
        case 'I':
            m->option = IgnoreSpaces;
            return nullptr;
        case 'O':
            TextAppendString(out,
                             m->option == IgnoreSpaces ? "IgnoreSpaces\n" : "PreserveSpaces\n");
            return nullptr;
        case 'A':
            if (!m->hasText) break;
            TextAppendString(out, "Tokens:");
            while (MoreTokens(m)) {
                bool cameBack = NextToken(m, &token);
                TextAppendString(out, " ");
                ShowToken(out, &token, cameBack);
            }
            TextAppendString(out, "\n");
            TextFree(&token);
            return nullptr;
        case 'F':
            m->hasText = false;
            m->cp = 0;
            m->option = PreserveSpaces;
            m->saving = false;
            return nullptr;
        default:
            return "not a command of siftdemo -c: S text, R, M, K, P, I, O, A or F";
    }
    /* Every command that breaks out reads the scanner before it has a text. */
    EndInError(expect, NoText);
    return nullptr;
}

static const char *Step(modelT *model, const char *line, expectT *expect) {
    scannerModelT *m = Of(model);
    ClearExpect(expect);
    AppendEcho(&expect->out, line);
    if (line[0] == 'S' && (line[1] == '\0' || line[1] == ' '))
        return SetText(m, line[1] == '\0' ? "" : line + 2);
    if (line[0] == '\0') return nullptr;
    return Command(m, line[1] == '\0' ? line[0] : '\0', expect);
}

static void Finish(modelT *, expectT *expect) {
    ClearExpect(expect);
}

/* Each case is a script of siftdemo -c, worth one point. */
static const scriptCaseT scannerCases[] = {
    {"runs and symbols", "S ab12+c\nR\nR\nR\nM\nR\nR\nM\n"},
    {"blanks kept or skipped", "S   x y\nA\nI\nS   x y\nA\nO\n"},
    {"underscore point and joined runs", "S a_b\nA\nS 3.14\nA\nS x1y2\nA\nI\nS a_b 3.14 x1y2\nA\n"},
    {"trailing blanks", "I\nS x   \nR\nM\nP\nM\nR\nS x   \nR\nM\nA\nM\n"},
    {"empty text", "S\nM\nR\nA\nI\nM\nR\nR\n"},
    {"every white space",
     "S \\t\\n\\v\\f\\r \nA\nI\nS \\t\\n\\v\\f\\r \nM\nA\nS a\\tb\\nc\\vd\\fe\\rf g\nA\n"},
    {"bytes above 0x7F", "S a\\xE9z\nA\nI\nS  \\x80\\xFF \\xA0\nA\nS \\x01\\x7F!\nA\n"},
    {"saved token comes back", "S a b\nR\nK\nM\nR\nR\nK\nI\nR\nR\nO\nM\n"},
    {"saved token read by a loop", "I\nS one two three\nR\nK\nA\nM\nR\n"},
    {"second save ends the program", "S a b\nR\nK\nK\n"},
    {"saved empty token", "S x\nR\nR\nK\nM\nA\nR\nM\nR\n"},
    {"new text drops the saved token", "I\nS  old text\nR\nK\nS   new\nO\nR\nM\nR\nK\nR\nM\n"},
    {"read before any text", "R\n"},
    {"more before any text", "I\nO\nM\n"},
    {"save on a new scanner", "S x\nR\nF\nK\n"},
    {"option before any text and a new scanner", "I\nO\nS   a b\nA\nF\nO\nS  c\nR\nR\nM\n"},
};

static void AddCases(traitsT, caseListT *list) {
    AddScriptCases(list, scannerCases,
                   static_cast<int>(sizeof scannerCases / sizeof scannerCases[0]));
}

const interfaceT ScannerInterface = {
    "scanner", "scanner/wordsift.h", "siftdemo -c", NewModel, Step, Finish, FreeModel, AddCases,
};
