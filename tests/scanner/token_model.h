// The scanner's token rules told independently, with the C library's classes in the C locale,
// for its random tests and its fuzz target alike.
#pragma once

#include <cctype>
#include <string>
#include <vector>

#include "scanner/wordsift.h"

namespace wb {

using Tokens = std::vector<std::string>;

// The tokens of text under option.
inline Tokens TokenModel(const std::string &text, spaceOptionT option) {
    auto alnum = [&](size_t i) {
        return i < text.size() && std::isalnum(static_cast<unsigned char>(text[i]));
    };
    Tokens tokens;
    for (size_t i = 0, j; i < text.size(); i = j) {
        for (j = i + 1; alnum(i) && alnum(j);)
            j++;
        if (option == PreserveSpaces || !std::isspace(static_cast<unsigned char>(text[i])))
            tokens.push_back(text.substr(i, j - i));
    }
    return tokens;
}

}  // namespace wb
