#include "records/answers.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "support/numread.h"

enum { CountLineSize = 1024 }; /* a count line counts up to its 1023rd character */

/* The line being answered from and how far it has been read; its length counts the line end. */
static char *line;
static size_t lineCapacity;
static size_t lineLength;
static size_t lineOffset;

static bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

static bool IsSpace(char ch) {
    return IsBlank(ch) || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

/* Makes the rest of the current line, or else the next line, pending; false at the end of input. */
static bool HaveLine() {
    if (lineOffset < lineLength) return true;
    errno = 0;
    ssize_t length = getline(&line, &lineCapacity, stdin);
    if (length < 0 && errno == ENOMEM) {
        fputs("Out of memory\n", stderr);
        exit(1);
    }
    lineOffset = 0;
    lineLength = length > 0 ? static_cast<size_t>(length) : 0;
    return length > 0;
}

/* Skips white space, line ends included; false at the end of input. */
static bool FindNumber() {
    while (HaveLine()) {
        while (lineOffset < lineLength && IsSpace(line[lineOffset]))
            lineOffset++;
        if (lineOffset < lineLength) return true;
    }
    return false;
}

/* Ends a number answer of the given length, or, without a number, takes its whole line. */
static bool EndNumber(size_t length) {
    if (length == 0) {
        lineOffset = lineLength;
        return false;
    }
    lineOffset += length;
    size_t next = lineOffset;
    while (next < lineLength && IsBlank(line[next]))
        next++;
    if (next == lineLength || line[next] == '\n')
        lineOffset = lineLength;
    else
        lineOffset++;
    return true;
}

void ReadTextAnswer(char *text, size_t size) {
    size_t length = 0;
    if (HaveLine()) {
        length = lineLength - lineOffset;
        if (line[lineLength - 1] == '\n') length--;
        if (length > size - 1) length = size - 1;
        memcpy(text, line + lineOffset, length);
        lineOffset = lineLength;
    }
    text[length] = '\0';
}

int ReadCountAnswer(void) {
    char text[CountLineSize];
    ReadTextAnswer(text, sizeof text);
    const char *start = text;
    while (IsSpace(*start))
        start++;
    int count = 0;
    ParseIntPrefix(start, strlen(start), &count);
    return count;
}

double ReadRealAnswer(void) {
    if (!FindNumber()) return 0.0;
    char *end;
    double value = strtod(line + lineOffset, &end);
    return EndNumber(static_cast<size_t>(end - (line + lineOffset))) ? value : 0.0;
}

int ReadIntAnswer(void) {
    if (!FindNumber()) return 0;
    int value = 0;
    EndNumber(ParseIntPrefix(line + lineOffset, lineLength - lineOffset, &value));
    return value;
}

void FreeAnswers(void) {
    free(line);
    line = nullptr;
    lineCapacity = lineLength = lineOffset = 0;
}
