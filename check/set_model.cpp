/*
 * set_model: what bagdemo prints for each line over sets that keep their contract
 * (sets/set.h), and the set's cases. Each set is modelled as its entries in ascending order.
 */
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "check/check.h"
#include "support/numread.h"

namespace {

enum { SetCapacity = 100 };

struct entriesT {
    int at[SetCapacity];
    int count;
};

struct setModelT {
    entriesT sets[2]; /* A and B */
};

}  // namespace

static const char Blanks[] = " \t\n\v\f\r";
static const char *const Names[] = {"A", "B"};

static setModelT *Of(modelT *model) {
    return reinterpret_cast<setModelT *>(model);
}

static void Show(textT *out, const char *label, const entriesT *set) {
    TextFormat(out, "%s = {", label);
    for (int i = 0; i < set->count; i++)
        TextFormat(out, i + 1 < set->count ? "%d," : "%d", set->at[i]);
    TextAppendString(out, "}\n");
}

/* A new value rests after every entry not greater than it. */
static void Insert(entriesT *set, int value) {
    int i = set->count;
    for (; i > 0 && set->at[i - 1] > value; i--)
        set->at[i] = set->at[i - 1];
    set->at[i] = value;
    set->count++;
}

static bool Holds(const entriesT *set, int value) {
    for (int i = 0; i < set->count; i++)
        if (set->at[i] == value) return true;
    return false;
}

static void ShowDifference(textT *out, int a, const entriesT *A, int b, const entriesT *B) {
    entriesT difference = {};
    for (int i = 0; i < A->count; i++)
        if (!Holds(B, A->at[i])) difference.at[difference.count++] = A->at[i];
    char label[8];
    snprintf(label, sizeof label, "%s - %s", Names[a], Names[b]);
    Show(out, label, &difference);
}

static int SetIndex(const char *word, size_t length) {
    for (int i = 0; i < 2; i++)
        if (length == 1 && word[0] == Names[i][0]) return i;
    return -1;
}

static modelT *NewModel(traitsT) {
    setModelT *m = static_cast<setModelT *>(calloc(1, sizeof(setModelT)));
    if (m == nullptr) abort();
    return reinterpret_cast<modelT *>(m);
}

static void FreeModel(modelT *model) {
    free(Of(model));
}

static const char FullSet[] =
    "inserting into a set that holds 100 entries: what it does is left to the implementer";

/* The insertions of a line "A n...", one word after another. */
static const char *InsertWords(entriesT *set, const char *name, const char *rest, textT *out) {
    for (const char *word = rest + strspn(rest, Blanks); *word != '\0';
         word += strspn(word, Blanks)) {
        size_t length = strcspn(word, Blanks);
        int value;
        if (!ParseInt(word, length, RefuseOutOfRange, &value)) {
            TextAppendString(out, "Not an integer: ");
            TextAppend(out, word, length);
            TextAppendString(out, "\n");
        } else {
            if (set->count == SetCapacity) return FullSet;
            Insert(set, value);
            char label[32];
            snprintf(label, sizeof label, "%s + %d", name, value);
            Show(out, label, set);
        }
        word += length;
    }
    return nullptr;
}

/*
 * Reads count set names from rest into index as the client does: the first name of no set, or
 * else a wrong number of names, prints why.
 */
static bool Operands(const char *rest, int count, int *index, const char *usage, textT *out) {
    const char *word = rest;
    for (int i = 0; i < count; i++) {
        word += strspn(word, Blanks);
        if (*word == '\0') break;
        size_t length = strcspn(word, Blanks);
        index[i] = SetIndex(word, length);
        if (index[i] < 0) {
            TextAppendString(out, "Unknown set: ");
            TextAppend(out, word, length);
            TextAppendString(out, "\n");
            return false;
        }
        word += length;
        if (i == count - 1 && word[strspn(word, Blanks)] == '\0') return true;
    }
    TextFormat(out, "Usage: %s\n", usage);
    return false;
}

static const char *Step(modelT *model, const char *line, expectT *expect) {
    setModelT *m = Of(model);
    textT *out = &expect->out;
    ClearExpect(expect);
    const char *command = line + strspn(line, Blanks);
    if (*command == '\0') return nullptr;
    size_t length = strcspn(command, Blanks);
    const char *rest = command + length;
    int index[2];
    int set = SetIndex(command, length);
    if (set >= 0) return InsertWords(&m->sets[set], Names[set], rest, out);
    if (length == 1 && command[0] == 'P') {
        if (Operands(rest, 1, index, "P <A|B>", out))
            Show(out, Names[index[0]], &m->sets[index[0]]);
    } else if (length == 1 && command[0] == 'D') {
        if (Operands(rest, 2, index, "D <A|B> <A|B>", out))
            ShowDifference(out, index[0], &m->sets[index[0]], index[1], &m->sets[index[1]]);
    } else if (length == 1 && command[0] == 'N') {
        if (Operands(rest, 1, index, "N <A|B>", out)) {
            m->sets[index[0]].count = 0;
            Show(out, Names[index[0]], &m->sets[index[0]]);
        }
    } else {
        TextAppendString(out, "Unknown set: ");
        TextAppend(out, command, length);
        TextAppendString(out, "\n");
    }
    return nullptr;
}

static void Finish(modelT *model, expectT *expect) {
    setModelT *m = Of(model);
    ClearExpect(expect);
    Show(&expect->out, "A", &m->sets[0]);
    Show(&expect->out, "B", &m->sets[1]);
    ShowDifference(&expect->out, 0, &m->sets[0], 1, &m->sets[1]);
    ShowDifference(&expect->out, 1, &m->sets[1], 0, &m->sets[0]);
}

/* Each case is a script of bagdemo, worth one point. */
static const scriptCaseT setCases[] = {
    {"new sets print empty", "N A\nP B\n"},
    {"insertions keep the order", "A 5 3 9\nP A\n"},
    {"a value inserted twice is held twice", "A 4 4\nB 4\nP A\nD A B\nD B A\n"},
    {"one entry", "A 7\nP A\nB -7\nP B\n"},
    {"difference", "A 1 2 3\nB 2\nD A B\nD B A\nP A\nP B\n"},
    {"difference with an empty set", "A 1 2 3\nD A B\nD B A\nP A\nP B\n"},
    {"difference with itself", "A 1 2 2 3\nD A A\nP A\n"},
    {"duplicates in the difference", "A 2 1 2 1 3\nB 3 5\nD A B\nD B A\n"},
    {"equal values in a row", "A 3 1 3 2 3\nB 3\nD A B\nD B A\n"},
    {"extreme values",
     "A 0 -1 2147483647 -2147483648 -1\nB -2147483648 2147483647\nD A B\nD B A\n"},
    {"descending and ascending insertions",
     "A 9 8 7 6 5 4 3 2 1 0\nB 0 1 2 3 4 5 6 7 8 9\nD A B\nB 10\nD B A\n"},
    {"interleaved sets", "A 10\nB 20\nA 20 5\nB 10 15\nB 5\nD A B\nD B A\nA 15\nD A B\n"},
    {"a new set replaces the old", "A 1 2\nB 2\nN A\nA 3\nD A B\nN B\nD A B\n"},
    {"a set of 100 entries",
     "A 99 98 97 96 95 94 93 92 91 90 89 88 87 86 85 84 83 82 81 80 79 78 77 76 75 74 73 72 71 70 "
     "69 68 67 66 65 64 63 62 61 60 59 58 57 56 55 54 53 52 51 50 49 48 47 46 45 44 43 42 41 40 39 "
     "38 37 36 35 34 33 32 31 30 29 28 27 26 25 24 23 22 21 20 19 18 17 16 15 14 13 12 11 10 9 8 7 "
     "6 5 4 3 2 1 0\nD A B\nB 50 150\nD A B\nD B A\nP A\n"},
};

static void AddCases(traitsT, caseListT *list) {
    AddScriptCases(list, setCases, static_cast<int>(sizeof setCases / sizeof setCases[0]));
}

const interfaceT SetInterface = {
    "set", "sets/set.h", "bagdemo", NewModel, Step, Finish, FreeModel, AddCases,
};
