// The scanner on any line, under both space options: tokens follow the token rules and, put
// together, give back the text (less its white space when spaces are ignored); a saved token
// comes back as the very pointer; the used-up scanner gives empty tokens.
#include <cstring>
#include <string>

#include "scanner/wordsift.h"
#include "streams.h"

namespace {

bool IsSpace(char ch) {
    return ch != '\0' && strchr(" \t\n\v\f\r", ch) != nullptr;
}

bool IsWordChar(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string text(reinterpret_cast<const char *>(data),
                     strnlen(reinterpret_cast<const char *>(data), size));
    scannerADT scanner = NewScanner();
    for (spaceOptionT option : {PreserveSpaces, IgnoreSpaces}) {
        std::string joined, expected;
        for (char ch : text)
            if (option == PreserveSpaces || !IsSpace(ch)) expected += ch;
        SetScannerString(scanner, text.c_str());
        SetScannerSpaceOption(scanner, option);
        for (int n = 0; MoreTokensExist(scanner); n++) {
            string token = ReadToken(scanner);
            if (n % 3 == 0) {
                SaveToken(scanner, token);
                if (ReadToken(scanner) != token) abort();
            }
            size_t length = strlen(token), at = joined.size() + length;
            bool word = IsWordChar(token[0]);
            for (size_t i = 0; i < length; i++)
                if (IsWordChar(token[i]) != word || (!word && i > 0)) abort();
            if (word && at < expected.size() && IsWordChar(expected[at]) &&
                option == PreserveSpaces)
                abort();  // a word token runs as far as the word does
            joined += token;
            FreeBlock(token);
        }
        string rest = ReadToken(scanner);
        if (joined != expected || rest[0] != '\0') abort();
        FreeBlock(rest);
    }
    FreeScanner(scanner);
    return 0;
}
