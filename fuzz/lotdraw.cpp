// The word dictionary on word files made of any bytes (empty, binary, huge words, no final line
// end): the chosen word is one of the file's words, as a C string holds it.
#include <unistd.h>

#include <cctype>
#include <set>
#include <string>

#include "streams.h"
#include "words/lotdraw.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static std::string path = std::string("/dev/shm/lotdraw-fuzz-") + std::to_string(getpid());
    FILE *file = fopen(path.c_str(), "wb");
    fwrite(data, 1, size, file);
    fclose(file);
    std::set<std::string> words;
    std::string word;
    for (size_t i = 0; i <= size; i++) {
        if (i < size && !isspace(data[i])) {
            word += static_cast<char>(data[i]);
        } else if (!word.empty()) {
            words.insert(word.c_str());  // up to its first NUL
            word.clear();
        }
    }
    InitDictionary(path.c_str());
    remove(path.c_str());  // the dictionary holds its own copies
    if (!words.empty() && words.count(ChooseRandomWord()) == 0) abort();
    free_all();
    return 0;
}
