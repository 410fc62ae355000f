// Word files for the dictionary tests, written to the harness's scratch directory.
#pragma once

#include <string>

#include "run_program.h"
#include "words/lotdraw.h"

namespace wb {

// Loads a new word file of the given contents into the dictionary.
inline void LoadWords(const std::string &contents) {
    InitDictionary(ScratchFile(contents).c_str());
}

// The word "w<i>".
inline std::string NumberedWord(int i) {
    std::string word = "w";  // appended, not "w" + ...: g++ 12 -O3 warns on that (-Wrestrict)
    return word += std::to_string(i);
}

// "w0 w1 w2 ..." with count words, one per line.
inline std::string NumberedWords(int count) {
    std::string text;
    for (int i = 0; i < count; i++)
        text += NumberedWord(i) + "\n";
    return text;
}

}  // namespace wb
