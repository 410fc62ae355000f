// The bundled C editor loop, linked with each buffer module, on the bundled sample commands.
// Every module prints the expected output under tests/buffers/expected/, byte for byte; the
// block-list buffer's own file has its messages for each step past an end.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "run_program.h"

namespace {

std::string ReadFile(const std::string &path) {
    std::ifstream in(std::string(WORKBENCH_SOURCE_DIR) + "/" + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(BufdemoTest, EveryModuleEditsTheSamples) {
    std::istringstream modules(BUFFER_MODULES);
    for (std::string module; modules >> module;) {
        for (const std::string sample : {"edit", "ends"}) {
            std::string expected = sample + (module == "chunkrow" ? "-chunkrow" : "");
            wb::RunResult run = wb::RunProgram(
                "bufdemo-" + module, {.input = ReadFile("buffers/samples/" + sample + ".txt")});
            EXPECT_EQ(run, (wb::RunResult{ReadFile("tests/buffers/expected/" + expected + ".txt"),
                                          "", 0}))
                << module << " on " << sample;
        }
    }
}

}  // namespace
