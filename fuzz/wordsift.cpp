// The scanner on any line, under both space options, against the token model (token_model.h); a
// saved token comes back as the very pointer; the used-up scanner gives empty tokens.
#include <cstring>

#include "streams.h"
#include "tests/scanner/token_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string text(reinterpret_cast<const char *>(data),
                     strnlen(reinterpret_cast<const char *>(data), size));
    scannerADT scanner = NewScanner();
    for (spaceOptionT option : {PreserveSpaces, IgnoreSpaces}) {
        SetScannerString(scanner, text.c_str());
        SetScannerSpaceOption(scanner, option);
        wb::Tokens tokens;
        for (int n = 0; MoreTokensExist(scanner); n++) {
            string token = ReadToken(scanner);
            if (n % 3 == 0) {
                SaveToken(scanner, token);
                if (ReadToken(scanner) != token) abort();
            }
            tokens.push_back(token);
            FreeBlock(token);
        }
        string rest = ReadToken(scanner);
        if (tokens != wb::TokenModel(text, option) || rest[0] != '\0') abort();
        FreeBlock(rest);
    }
    FreeScanner(scanner);
    return 0;
}
