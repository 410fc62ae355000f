/*
 * dictionary_model: what wordpick -c prints for each command over a dictionary that keeps its
 * contract (words/lotdraw.h), and the dictionary's cases. The files are those the script wrote
 * (a case runs in an empty directory), and a choice is the C library's own: srand of the fixed
 * seconds, then rand() modulo the number of words.
 */
#include <cstdlib>
#include <cstring>

#include "check/check.h"
#include "check/echo.h"
#include "support/numread.h"

namespace {

struct fileT {
    textT name, text;
};

struct dictionaryModelT {
    fileT *files; /* every file the script wrote, with all it wrote */
    int fileCount;
    bool clockFixed;
    int seconds;
    bool loaded;
    scriptT words; /* the loaded words in file order, one a line */
};

}  // namespace

/* The limits of the contract; beyond them what the module does is the implementer's choice. */
enum { MaxWords = 1023, MaxWordLength = 1023 };

static const char OpenFailure[] = "Failed to open your file. Fail less bro!!!\n";
static const char Blanks[] = " \t\n\v\f\r";

static dictionaryModelT *Of(modelT *model) {
    return reinterpret_cast<dictionaryModelT *>(model);
}

static modelT *NewModel(traitsT) {
    dictionaryModelT *m = static_cast<dictionaryModelT *>(calloc(1, sizeof(dictionaryModelT)));
    if (m == nullptr) abort();
    return reinterpret_cast<modelT *>(m);
}

static void FreeModel(modelT *model) {
    dictionaryModelT *m = Of(model);
    for (int i = 0; i < m->fileCount; i++) {
        TextFree(&m->files[i].name);
        TextFree(&m->files[i].text);
    }
    free(m->files);
    ScriptFree(&m->words);
    free(m);
}

static fileT *FindFile(dictionaryModelT *m, const textT *name) {
    for (int i = 0; i < m->fileCount; i++)
        if (TextEqual(&m->files[i].name, name)) return &m->files[i];
    return nullptr;
}

static fileT *MakeFile(dictionaryModelT *m, const textT *name) {
    fileT *file = FindFile(m, name);
    if (file != nullptr) return file;
    m->files = static_cast<fileT *>(
        realloc(m->files, static_cast<size_t>(m->fileCount + 1) * sizeof *m->files));
    if (m->files == nullptr) abort();
    file = &m->files[m->fileCount++];
    *file = fileT{};
    TextAppend(&file->name, TextString(name), name->n);
    return file;
}

/*
 * The file name after the command letter, into name: up to the next blank. Returns what follows
 * it, or null when the line has no name or one that reaches out of the working directory.
 */
static const char *FileName(const char *line, textT *name) {
    if (line[1] != ' ') return nullptr;
    size_t length = strcspn(line + 2, " ");
    TextAppend(name, line + 2, length);
    const char *s = TextString(name);
    if (length == 0 || strchr(s, '/') != nullptr || strcmp(s, ".") == 0 || strcmp(s, "..") == 0)
        return nullptr;
    return line + 2 + length;
}

static const char *Write(dictionaryModelT *m, const char *line) {
    textT name = {}, text = {};
    const char *rest = FileName(line, &name);
    const char *refusal = nullptr;
    if (rest == nullptr)
        refusal = "W needs a file name of the working directory and a text: W file text";
    else if (!Unescape(*rest == ' ' ? rest + 1 : rest, &text))
        refusal = "W: a backslash that begins no escape (\\t \\n \\v \\f \\r \\\\ \\\" \\xHH)";
    else if (strlen(TextString(&text)) != text.n)
        refusal = "W: a NUL byte (\\0), which would end a word as the client prints it";
    if (refusal == nullptr) {
        fileT *file = MakeFile(m, &name);
        TextAppend(&file->text, TextString(&text), text.n);
        TextAppendString(&file->text, "\n");
    }
    TextFree(&name);
    TextFree(&text);
    return refusal;
}

static const char *Load(dictionaryModelT *m, const char *line, expectT *expect) {
    textT name = {};
    const char *rest = FileName(line, &name);
    const fileT *file = rest != nullptr && *rest == '\0' ? FindFile(m, &name) : nullptr;
    TextFree(&name);
    if (rest == nullptr || *rest != '\0')
        return "L needs one file name of the working directory: L file";
    if (m->loaded)
        return "L while a dictionary is loaded: whether InitDictionary without free_all releases "
               "the old words is left to the implementer";
    if (file == nullptr) {
        expect->ending = EndsInExit;
        expect->status = 1;
        TextAppendString(&expect->message, OpenFailure);
        return nullptr;
    }
    ScriptFree(&m->words);
    const char *text = TextString(&file->text);
    for (text += strspn(text, Blanks); *text != '\0'; text += strspn(text, Blanks)) {
        size_t length = strcspn(text, Blanks);
        if (length > MaxWordLength)
            return "L of a word longer than 1023 characters: left to the implementer";
        if (m->words.count == MaxWords)
            return "L of a file of more than 1023 words: left to the implementer";
        ScriptAdd(&m->words, text, length);
        text += length;
    }
    m->loaded = true;
    return nullptr;
}

static const char *Choose(dictionaryModelT *m, textT *out) {
    if (!m->loaded)
        return "C with no dictionary loaded: a choice before InitDictionary or after free_all "
               "is left to the implementer";
    if (m->words.count == 0)
        return "C from a dictionary without words: the choice is left to the implementer";
    long chosen = 0;
    if (m->clockFixed) {
        srand(static_cast<unsigned>(m->seconds));
        chosen = rand() % m->words.count;
    } else if (m->words.count > 1) {
        return "C before T: the word drawn depends on the real clock";
    }
    TextFormat(out, "Chosen word: %s\n", ScriptLine(&m->words, chosen));
    return nullptr;
}

static const char *Step(modelT *model, const char *line, expectT *expect) {
    dictionaryModelT *m = Of(model);
    ClearExpect(expect);
    AppendEcho(&expect->out, line);
    switch (line[0]) {
        case '\0':
            return nullptr;
        case 'W':
            return Write(m, line);
        case 'T': {
            int seconds;
            if (line[1] != ' ' ||
                !ParseInt(line + 2, strlen(line + 2), RefuseOutOfRange, &seconds) || seconds < 0)
                return "T needs the seconds, 0 to 2147483647: T seconds";
            m->clockFixed = true;
            m->seconds = seconds;
            return nullptr;
        }
        case 'L':
            return Load(m, line, expect);
    }
    if (strcmp(line, "C") == 0) return Choose(m, &expect->out);
    if (strcmp(line, "X") == 0) {
        if (!m->loaded)
            return "X with no dictionary loaded: free_all before InitDictionary or twice is left "
                   "to the implementer";
        m->loaded = false;
        return nullptr;
    }
    return "not a command of wordpick -c: W file text, T seconds, L file, C or X";
}

static void Finish(modelT *, expectT *expect) {
    ClearExpect(expect);
}

/* A word of the longest length the contract loads whole, 1023 characters. */
#define X16 "xxxxxxxxxxxxxxxx"
#define X64 X16 X16 X16 X16
/* 1023 words, the most the contract loads: 1000 in ten lines, then 23 that differ. */
#define TEN " a b c d e f g h i j"
#define HUNDRED "W full.txt" TEN TEN TEN TEN TEN TEN TEN TEN TEN TEN "\n"
#define X1023 \
    X64 X64 X64 X64 X64 X64 X64 X64 X64 X64 X64 X64 X64 X64 X64 X16 X16 X16 "xxxxxxxxxxxxxxx"

/*
 * Each case is a script of wordpick -c, worth one point. The seconds of the T lines are chosen
 * so that the draws reach different words.
 */
static const scriptCaseT dictionaryCases[] = {
    {"missing file ends the program", "L missing.txt\n"},
    {"missing file beside another", "W words.txt cat\nL other.txt\n"},
    {"words across blank lines",
     "W w.txt cat dog\nW w.txt\nW w.txt   bird\nL w.txt\nT 2\nC\nT 1\nC\nT 11\nC\n"},
    {"one word is always chosen", "W one.txt \\t lonely \nL one.txt\nC\nC\nT 5\nC\nT 6\nC\n"},
    {"same second same word", "W ten.txt a b c d e f g h i j\nL ten.txt\nT 77\nC\nC\nC\n"},
    {"seeded from the clock on every call",
     "W five.txt one two three four five\nL five.txt\nT 2\nC\nT 3\nC\nT 2\nC\nT 16\nC\n"},
    {"punctuation and case kept",
     "W p.txt Hello, World! it's 42\nL p.txt\nT 8\nC\nT 4\nC\nT 2\nC\nT 1\nC\n"},
    {"any white space separates",
     "W s.txt a\\tb\\vc\\fd\\re  f\nL s.txt\nT 2\nC\nT 1\nC\nT 12\nC\nT 6\nC\nT 8\nC\n"
     "T 11\nC\n"},
    {"bytes kept as they are", "W u.txt caf\\xE9 na\\xEFve\nL u.txt\nT 2\nC\nT 1\nC\n"},
    {"free and load again",
     "W a.txt first\nW b.txt second\nL a.txt\nC\nX\nL b.txt\nC\nX\nL a.txt\nC\n"},
    {"empty file loads and frees", "W e.txt\nW e.txt \\t \nL e.txt\nX\nW e.txt last\nL e.txt\nC\n"},
    {"word of 1023 characters",
     "W long.txt " X1023 "\nW long.txt  short\nL long.txt\nT 2\nC\nT 1\nC\n"},
    {"the most words",
     HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED HUNDRED
     "W full.txt A B C D E F G H I J K L M N O P Q R S T U V W\n"
     "L full.txt\nT 1\nC\nT 2\nC\nT 3\nC\nT 79\nC\nX\n"},
    {"a hundred words",
     "W many.txt w00 w01 w02 w03 w04 w05 w06 w07 w08 w09\n"
     "W many.txt w10 w11 w12 w13 w14 w15 w16 w17 w18 w19\n"
     "W many.txt w20 w21 w22 w23 w24 w25 w26 w27 w28 w29\n"
     "W many.txt w30 w31 w32 w33 w34 w35 w36 w37 w38 w39\n"
     "W many.txt w40 w41 w42 w43 w44 w45 w46 w47 w48 w49\n"
     "W many.txt w50 w51 w52 w53 w54 w55 w56 w57 w58 w59\n"
     "W many.txt w60 w61 w62 w63 w64 w65 w66 w67 w68 w69\n"
     "W many.txt w70 w71 w72 w73 w74 w75 w76 w77 w78 w79\n"
     "W many.txt w80 w81 w82 w83 w84 w85 w86 w87 w88 w89\n"
     "W many.txt w90 w91 w92 w93 w94 w95 w96 w97 w98 w99\n"
     "L many.txt\nT 1700000000\nC\nT 1700000001\nC\nT 1700000002\nC\nT 1700000009\nC\n"},
};

#undef X1023
#undef HUNDRED
#undef TEN
#undef X64
#undef X16

static void AddCases(traitsT, caseListT *list) {
    AddScriptCases(list, dictionaryCases,
                   static_cast<int>(sizeof dictionaryCases / sizeof dictionaryCases[0]));
}

const interfaceT DictionaryInterface = {
    "dictionary", "words/lotdraw.h", "wordpick -c", NewModel, Step, Finish, FreeModel, AddCases,
};
