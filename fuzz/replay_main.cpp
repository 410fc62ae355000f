// Runs a fuzz target once on every file of the given corpus directories (or files), so that the
// corpus replays as a plain test under any compiler, without libFuzzer.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

int files = 0;

// Names the file first, so that a failing replay shows which input did it.
void Replay(const std::filesystem::path &file) {
    fprintf(stderr, "%s\n", file.c_str());
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    files++;
}

}  // namespace

int main(int argc, char **argv) {
    for (int i = 1; i < argc; i++) {
        if (!std::filesystem::is_directory(argv[i])) {
            Replay(argv[i]);
            continue;
        }
        for (const auto &entry : std::filesystem::recursive_directory_iterator(argv[i]))
            if (entry.is_regular_file()) Replay(entry.path());
    }
    fprintf(stderr, "replayed %d inputs\n", files);
    return files > 0 ? 0 : 1;
}
