/* wordsift: the scanner over its own copy of the text, one forward pass, no look-back. */
#include "scanner/wordsift.h"

#include "support/textlib.h"

struct scannerCDT {
    string str;
    int len;
    int cp;
    string savedToken;
    spaceOptionT spaceOption;
};

/*
 * The classes are spelled out rather than taken from <cctype>, so that a client's locale can
 * never turn a byte 0x80-0xFF into a letter or a space. The NUL is in neither class, which is
 * what stops every scan at the end of the text. A table answers in one load per character.
 */
enum { LetterOrDigit = 1, WhiteSpace = 2 };

static constexpr unsigned char ClassOf(int c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return LetterOrDigit;
    return c == ' ' || (c >= '\t' && c <= '\r') ? WhiteSpace : 0;
}

#define CLASS4(c) ClassOf(c), ClassOf((c) + 1), ClassOf((c) + 2), ClassOf((c) + 3)
#define CLASS16(c) CLASS4(c), CLASS4((c) + 4), CLASS4((c) + 8), CLASS4((c) + 12)
#define CLASS64(c) CLASS16(c), CLASS16((c) + 16), CLASS16((c) + 32), CLASS16((c) + 48)
static constexpr unsigned char CharacterClass[256] = {CLASS64(0), CLASS64(64), CLASS64(128),
                                                      CLASS64(192)};
#undef CLASS64
#undef CLASS16
#undef CLASS4

static bool IsLetterOrDigit(char ch) {
    return CharacterClass[static_cast<unsigned char>(ch)] == LetterOrDigit;
}

static bool IsWhiteSpace(char ch) {
    return CharacterClass[static_cast<unsigned char>(ch)] == WhiteSpace;
}

static void RequireText(scannerADT scanner) {
    if (scanner->str == nullptr) Error("SetScannerString has not been called");
}

/* Both scans move a local index and store it once, at the end. */
static void SkipSpaces(scannerADT scanner) {
    const char *str = scanner->str;
    int cp = scanner->cp;
    while (IsWhiteSpace(str[cp]))
        cp++;
    scanner->cp = cp;
}

/* Called on a letter or digit; returns the index of the last character of its run. */
static int ScanToEndOfIdentifier(scannerADT scanner) {
    const char *str = scanner->str;
    int cp = scanner->cp;
    while (IsLetterOrDigit(str[cp]))
        cp++;
    scanner->cp = cp;
    return cp - 1;
}

scannerADT NewScanner(void) {
    scannerADT scanner = static_cast<scannerADT>(GetBlock(sizeof(scannerCDT)));
    scanner->str = nullptr;
    scanner->len = 0;
    scanner->cp = 0;
    scanner->savedToken = nullptr;
    scanner->spaceOption = PreserveSpaces;
    return scanner;
}

void FreeScanner(scannerADT scanner) {
    if (scanner->str != nullptr) FreeBlock(scanner->str);
    FreeBlock(scanner);
}

void SetScannerString(scannerADT scanner, const char *str) {
    /* Copy before releasing, so the old text is never read after it is gone. */
    string copy = CopyString(str);
    if (scanner->str != nullptr) FreeBlock(scanner->str);
    scanner->str = copy;
    scanner->len = StringLength(copy);
    scanner->cp = 0;
    scanner->savedToken = nullptr;
}

string ReadToken(scannerADT scanner) {
    RequireText(scanner);
    if (scanner->savedToken != nullptr) {
        string token = scanner->savedToken;
        scanner->savedToken = nullptr;
        return token;
    }
    if (scanner->spaceOption == IgnoreSpaces) SkipSpaces(scanner);
    int start = scanner->cp;
    if (start >= scanner->len) return CopyString("");
    int finish = start;
    if (IsLetterOrDigit(scanner->str[start])) {
        finish = ScanToEndOfIdentifier(scanner);
    } else {
        scanner->cp++;
    }
    return SubString(scanner->str, start, finish);
}

bool MoreTokensExist(scannerADT scanner) {
    RequireText(scanner);
    if (scanner->savedToken != nullptr) return !StringEqual(scanner->savedToken, "");
    if (scanner->spaceOption == IgnoreSpaces) SkipSpaces(scanner);
    return scanner->cp < scanner->len;
}

void SaveToken(scannerADT scanner, string token) {
    RequireText(scanner);
    if (scanner->savedToken != nullptr) Error("Token has already been saved");
    scanner->savedToken = token;
}

void SetScannerSpaceOption(scannerADT scanner, spaceOptionT option) {
    scanner->spaceOption = option;
}

spaceOptionT GetScannerSpaceOption(scannerADT scanner) {
    return scanner->spaceOption;
}
