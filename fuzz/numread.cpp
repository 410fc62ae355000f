// The number reader on any bytes, against strtoll: a whole token is a number exactly when it is
// a sign and digits, the prefix and stream readers stop where strtoll stops, and words of any
// length come back whole.
#include <cctype>
#include <cerrno>
#include <string>

#include "streams.h"
#include "support/numread.h"

namespace {

bool IsNumberToken(const std::string &token) {
    size_t digits = !token.empty() && (token[0] == '+' || token[0] == '-') ? 1 : 0;
    if (digits == token.size()) return false;
    for (size_t i = digits; i < token.size(); i++)
        if (!isdigit(static_cast<unsigned char>(token[i]))) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const char *text = bytes.c_str();

    errno = 0;
    int expected = 0;
    const char *end = nullptr;
    bool prefix =
        !isspace(static_cast<unsigned char>(text[0])) && wb::ReferenceInt(text, &expected, &end);
    bool inRange =
        errno != ERANGE && static_cast<long long>(expected) == strtoll(text, nullptr, 10);
    int clamped = 0, refused = 0;
    bool whole = IsNumberToken(bytes);
    if (ParseInt(text, size, ClampOutOfRange, &clamped) != whole) abort();
    if (whole && clamped != expected) abort();
    if (ParseInt(text, size, RefuseOutOfRange, &refused) != (whole && inRange)) abort();

    int value = 0;
    size_t span = ParseIntPrefix(text, size, &value);
    if (span != (prefix ? static_cast<size_t>(end - text) : 0) || (prefix && value != expected))
        abort();

    wb::InputFrom input(data, size);
    int scanned = 0;
    if (ScanInt(stdin, &scanned) != (span > 0) || (span > 0 && scanned != value)) abort();

    rewind(stdin);
    wordT word = {};
    std::string joined, spaceless;
    while (ReadWord(stdin, &word) > 0)
        joined.append(word.text, word.length);
    for (char ch : bytes)
        if (!isspace(static_cast<unsigned char>(ch))) spaceless += ch;
    if (joined != spaceless) abort();
    free(word.text);
    return 0;
}
