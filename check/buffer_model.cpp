/*
 * buffer_model: what the editor buffer interface promises, as bufdemo shows it
 * (check/buffer_client.h): a text and a cursor, the display after every command, the end
 * messages of a module that reports its ends, and the capacity's Error.
 */
#include <cstdlib>
#include <cstring>

#include "check/check.h"

struct modelT {
    traitsT traits;
    textT text;
    size_t cursor;
};

static modelT *NewModel(traitsT traits) {
    modelT *model = static_cast<modelT *>(calloc(1, sizeof(modelT)));
    if (model == nullptr) abort();
    model->traits = traits;
    return model;
}

static void FreeModel(modelT *model) {
    TextFree(&model->text);
    free(model);
}

static bool Full(const modelT *model) {
    return model->traits.capacity > 0 &&
           model->text.n >= static_cast<size_t>(model->traits.capacity);
}

static void Insert(modelT *model, char ch) {
    TextAppend(&model->text, "", 1); /* room for one more */
    model->text.n--;
    char *s = model->text.s;
    memmove(s + model->cursor + 1, s + model->cursor, model->text.n - model->cursor);
    s[model->cursor++] = ch;
    s[++model->text.n] = '\0';
}

static void Delete(modelT *model) {
    if (model->cursor == model->text.n) return;
    char *s = model->text.s;
    memmove(s + model->cursor, s + model->cursor + 1, model->text.n - model->cursor);
    model->text.n--;
}

/* DisplayBuffer: " %c" a character, a line end, two blanks a character before the cursor, "^". */
static void Display(const modelT *model, textT *out) {
    for (size_t i = 0; i < model->text.n; i++) {
        char pair[2] = {' ', model->text.s[i]};
        TextAppend(out, pair, 2);
    }
    TextAppendString(out, "\n");
    for (size_t i = 0; i < model->cursor; i++)
        TextAppendString(out, "  ");
    TextAppendString(out, "^\n");
}

static const char *Step(modelT *model, const char *line, expectT *expect) {
    if (line[0] == '\0') return nullptr; /* skipped by bufdemo */
    if (strchr("IFBJEDN", line[0]) == nullptr)
        return "not a command of bufdemo's language (I<text>, F, B, J, E, D, N)";
    if (line[0] != 'I' && line[1] != '\0') return "only I takes text after its letter";
    TextFormat(&expect->out, "> %s\n", line);
    switch (line[0]) {
        case 'I':
            for (const char *p = line + 1; *p != '\0'; p++) {
                if (Full(model)) {
                    expect->ending = EndsInError;
                    TextAppendString(&expect->message, "Buffer size exceeded");
                    return nullptr;
                }
                Insert(model, *p);
            }
            break;
        case 'F':
            if (model->cursor < model->text.n)
                model->cursor++;
            else if (model->traits.reportsEnds)
                TextAppendString(&expect->out, "Already at end bro!\n");
            break;
        case 'B':
            if (model->cursor > 0)
                model->cursor--;
            else if (model->traits.reportsEnds)
                TextAppendString(&expect->out, "Already at beginning bro!\n");
            break;
        case 'J':
            model->cursor = 0;
            break;
        case 'E':
            model->cursor = model->text.n;
            break;
        case 'D':
            Delete(model);
            break;
        default: /* N */
            TextClear(&model->text);
            model->cursor = 0;
    }
    Display(model, &expect->out);
    return nullptr;
}

static void Finish(modelT *, expectT *) {}

void AddBufferCases(traitsT traits, caseListT *list);

const interfaceT BufferInterface = {
    "buffer", "buffers/buffer.h", "bufdemo", NewModel, Step, Finish, FreeModel, AddBufferCases,
};
