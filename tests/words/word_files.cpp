#include "word_files.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace wb {
namespace {

// Removed when the test program ends; a death-test child, which also runs the static
// destructors when it exits, leaves it to the process that made it.
struct ScratchDir {
    std::filesystem::path path;
    pid_t owner = getpid();
    ScratchDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "lotdraw-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path = pattern;
    }
    ~ScratchDir() {
        if (getpid() != owner) return;
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace

std::string WriteWordFile(const std::string &contents) {
    static ScratchDir dir;
    static int serial = 0;
    std::filesystem::path file = dir.path / ("words" + std::to_string(serial++) + ".txt");
    std::ofstream(file, std::ios::binary) << contents;
    return file.string();
}

std::string NumberedWord(int i) {
    std::string word = "w";
    return word += std::to_string(i);
}

std::string NumberedWords(int count) {
    std::string text;
    for (int i = 0; i < count; i++)
        text += NumberedWord(i) + "\n";
    return text;
}

}  // namespace wb
