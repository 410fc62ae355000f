// Word files for the dictionary tests, written to a scratch directory that lives as long as the
// test program.
#pragma once

#include <string>
#include <vector>

namespace wb {

// Writes contents to a new file in the scratch directory and returns its path.
std::string WriteWordFile(const std::string &contents);

// The word "w<i>".
std::string NumberedWord(int i);

// "w0 w1 w2 ..." with count words, one per line.
std::string NumberedWords(int count);

}  // namespace wb
