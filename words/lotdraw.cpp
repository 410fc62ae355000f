/* lotdraw: the word dictionary, a growing table of separately allocated words. */
#include "words/lotdraw.h"

#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

/* The loaded words in file order; list[arraylength] is a null pointer that ends the table. */
static char **list = nullptr;
static int arraylength = 0;

/* Room for the first 1023 words and the end marker; the table doubles beyond that. */
enum { InitialTableSize = 1024, InitialWordSize = 64 };

/* A scratch buffer for the word being read; it grows to fit the longest word of the file. */
typedef struct {
    char *text;
    size_t size;
} readBufferT;

[[noreturn]] static void Fail(const char *message) {
    fputs(message, stderr);
    fputc('\n', stderr);
    exit(1);
}

/* Resizes block to hold count items of itemSize bytes; memory running out ends the program. */
static void *Resize(void *block, size_t count, size_t itemSize) {
    if (count > SIZE_MAX / itemSize) Fail("lotdraw: out of memory");
    void *resized = realloc(block, count * itemSize);
    if (resized == nullptr) Fail("lotdraw: out of memory");
    return resized;
}

static void Append(readBufferT *buffer, size_t length, char ch) {
    if (length + 1 >= buffer->size) { /* keep room for the terminating NUL */
        buffer->size *= 2;
        buffer->text = static_cast<char *>(Resize(buffer->text, buffer->size, 1));
    }
    buffer->text[length] = ch;
}

/*
 * Reads the next word into buffer and its length into *length; false at the end of input. A read
 * error ends the input like the end of the file does.
 */
static bool ReadWord(FILE *in, readBufferT *buffer, size_t *length) {
    int ch;
    do {
        ch = getc(in);
    } while (ch != EOF && isspace(ch));
    if (ch == EOF) return false;
    size_t n = 0;
    for (; ch != EOF && !isspace(ch); ch = getc(in))
        Append(buffer, n++, static_cast<char>(ch));
    buffer->text[n] = '\0';
    *length = n;
    return true;
}

/* Each word gets its own block of exactly its length plus the NUL. */
static char *CopyWord(const char *text, size_t length) {
    char *word = static_cast<char *>(Resize(nullptr, length + 1, 1));
    memcpy(word, text, length + 1);
    return word;
}

void InitDictionary(const char *file) {
    FILE *in = file != nullptr ? fopen(file, "r") : nullptr;
    if (in == nullptr) Fail("Failed to open your file. Fail less bro!!!");
    free_all();

    size_t tableSize = InitialTableSize;
    char **words = static_cast<char **>(Resize(nullptr, tableSize, sizeof *words));
    readBufferT buffer = {static_cast<char *>(Resize(nullptr, InitialWordSize, 1)),
                          InitialWordSize};
    int count = 0;
    size_t length;
    while (ReadWord(in, &buffer, &length)) {
        if (count == INT_MAX - 1) Fail("lotdraw: too many words");
        if (static_cast<size_t>(count) + 1 == tableSize) { /* keep room for the end marker */
            tableSize *= 2;
            words = static_cast<char **>(Resize(words, tableSize, sizeof *words));
        }
        words[count++] = CopyWord(buffer.text, length);
    }
    free(buffer.text);
    words[count] = nullptr;
    list = words;
    arraylength = count;
    fclose(in);
}

char *ChooseRandomWord(void) {
    if (arraylength == 0) Fail("lotdraw: no word to choose: the dictionary is empty or not loaded");
    srand(static_cast<unsigned>(time(nullptr)));
    return list[rand() % arraylength];
}

void free_all(void) {
    if (list == nullptr) return;
    for (char **word = list; *word != nullptr; word++)
        free(*word);
    free(list);
    list = nullptr;
    arraylength = 0;
}
