// The scanner on any line, under both space options, against the checker's model of it
// (check_lines.h): every token, a saved token coming back as the very pointer, the used-up
// scanner's empty tokens, a fresh scanner.
#include <cstring>

#include "check/text.h"
#include "check_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    textT escaped = {};
    AppendEscaped(&escaped, reinterpret_cast<const char *>(data),
                  strnlen(reinterpret_cast<const char *>(data), size));
    const std::string set = std::string("S") + TextString(&escaped);
    TextFree(&escaped);
    wb::CheckLines(ScannerInterface, ScannerClient, {},
                   {"P", set, "R", "K", "R", "M", "R", "A", "R", "I", set, "R",
                    "K", "M", "R", "A", "R", "O", "F", "O", "P", set, "A"});
    return 0;
}
