/*
 * buffer_cases: the editor buffer's cases, as data: most are edit scripts (check/buffer_script.h);
 * the random runs are seeded, so each is the same script every time.
 */
#include <cstdlib>
#include <cstring>

#include "check/buffer_script.h"
#include "check/check.h"

namespace {

const struct {
    const char *name;
    const char *script;
} scriptCases[] = {
    {"a new buffer shows an empty line and the caret", "["},
    {"the text and the caret column", "abc"},
    {"the caret after one step from the start", "abc[>"},
    {"a jump to the end", "abc[>]"},
    {"typing inside keeps the order", "ac<b]<x"},
    {"deleting the character after the cursor", "abc[#]#<##[#"},
    {"jumps print nothing", "abcdefghij[[]]"},
    {"steps past either end change nothing", "><ab>[<"},
    {"typing at the start each time", "a[b[c[d[e[f"},
    {"typing inside the text", "abcdefgh<<<<xyz"},
    {"typing at one place in reverse", "abcdefgh[>>1<2<3<4<5<6<"},
    {"deleting everything from the start, then typing", "abcdefghij[##########xy"},
    {"deleting everything backwards from the end", "abcdefghij<#<#<#<#<#<#<#<#<#<#"},
    {"deleting a run inside the text", "abcdefghijkl[>>>######"},
    {"deleting the last character, then typing", "abcdefghi<#z"},
    {"stepping forward over the whole text", "abcdefghij[>>>>>>>>>#"},
    {"stepping back over the whole text", "abcdefghij<<<<<<<<<<x"},
    {"mixed edits", "abcdefgh<<<#x[#]<#yz"},
    {"blanks and punctuation shown as they are", " a-b<!"},
    {"typing past many blocks and back", "abcdefghijklmnopqrstuvwxyz[>>>>>12345<<<<<<<#]<<#"},
};

/*
 * Long random runs of every operation, weighed differently: balanced edits keep the text short
 * and the cursor busy near both ends; growing edits build long texts; shrinking edits delete
 * and jump a lot and now and then give the buffer back and start a fresh one.
 */
const struct {
    const char *name;
    unsigned seed;
    int steps;
    int weight[7]; /* of F B J E I D N */
} profiles[] = {
    {"random balanced edits", 12345, 10000, {8, 8, 1, 1, 16, 16, 0}},
    {"random growing edits", 99, 3000, {6, 6, 1, 1, 20, 4, 0}},
    {"random shrinking edits, fresh buffers now and then", 2024, 8000, {4, 4, 3, 3, 10, 12, 1}},
};

/* A model of the text's length alone, enough to keep a case within a capacity. */
typedef struct {
    long length, cursor, capacity;
} sizeT;

bool Room(const sizeT *size) {
    return size->capacity == 0 || size->length < size->capacity;
}

void Apply(sizeT *size, char command) {
    switch (command) {
        case 'I':
            size->length++, size->cursor++;
            break;
        case 'F':
            size->cursor += size->cursor < size->length;
            break;
        case 'B':
            size->cursor -= size->cursor > 0;
            break;
        case 'J':
            size->cursor = 0;
            break;
        case 'E':
            size->cursor = size->length;
            break;
        case 'D':
            size->length -= size->cursor < size->length;
            break;
        default: /* N */
            size->length = size->cursor = 0;
    }
}

}  // namespace

void EditScriptLines(const char *script, int capacity, textT *lines) {
    const char *const letters = "<>[]#";
    sizeT size = {0, 0, capacity};
    textT typed = {};
    for (const char *p = script;; p++) {
        const char *letter = *p == '\0' ? nullptr : strchr(letters, *p);
        if (*p != '\0' && letter == nullptr) {
            if (Room(&size)) TextAppend(&typed, p, 1), Apply(&size, 'I');
            continue;
        }
        if (typed.n > 0) TextFormat(lines, "I%s\n", typed.s);
        TextClear(&typed);
        if (*p == '\0') break;
        char command = "BFJED"[letter - letters];
        Apply(&size, command);
        TextFormat(lines, "%c\n", command);
    }
    TextFree(&typed);
}

namespace {

void AddEditScript(caseListT *list, const char *name, const char *script, int capacity) {
    textT lines = {};
    EditScriptLines(script, capacity, &lines);
    AddCase(list, name, TextString(&lines));
    TextFree(&lines);
}

void AddRandomRun(caseListT *list, int k, int capacity) {
    sizeT size = {0, 0, capacity};
    textT lines = {};
    int total = 0;
    for (int w : profiles[k].weight)
        total += w;
    srand(profiles[k].seed);
    for (int step = 0; step < profiles[k].steps; step++) {
        int pick = rand() % total, op = 0;
        while (pick >= profiles[k].weight[op])
            pick -= profiles[k].weight[op++];
        char command = "FBJEIDN"[op];
        if (command == 'I' && !Room(&size)) continue;
        Apply(&size, command);
        if (command == 'I')
            TextFormat(&lines, "I%c\n", 'a' + rand() % 26);
        else
            TextFormat(&lines, "%c\n", command);
    }
    AddCase(list, profiles[k].name, TextString(&lines));
    TextFree(&lines);
}

}  // namespace

void AddBufferCases(traitsT traits, caseListT *list) {
    for (const auto &c : scriptCases)
        AddEditScript(list, c.name, c.script, traits.capacity);
    if (traits.capacity > 0) {
        textT full = {};
        for (int i = 0; i < traits.capacity; i++)
            TextAppend(&full, &"abcdefghijklmnopqrstuvwxyz"[i % 26], 1);
        TextAppendString(&full, "[>#<]<<#]");
        AddEditScript(list, "typing up to the capacity", full.s, traits.capacity);
        /* One more than it holds ends the program through Error. */
        TextClear(&full);
        TextAppendString(&full, "I");
        for (int i = 0; i <= traits.capacity; i++)
            TextAppend(&full, &"abcdefghijklmnopqrstuvwxyz"[i % 26], 1);
        AddCase(list, "typing past the capacity ends with an Error", full.s);
        TextFree(&full);
    }
    for (int k = 0; k < static_cast<int>(sizeof profiles / sizeof profiles[0]); k++)
        AddRandomRun(list, k, traits.capacity);
}
