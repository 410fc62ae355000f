// The bundled C editor loop, linked with each buffer module, on the bundled sample commands.
// Every module prints the expected output under tests/buffers/expected/, byte for byte; the
// block-list buffer's own file has its messages for each step past an end.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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
        for (const std::string sample : {"edit", "ends", "inside"}) {
            // inside.txt runs with -i, which draws each module's own records after each display.
            bool inside = sample == "inside";
            std::string expected = sample + (module == "chunkrow" || inside ? "-" + module : "");
            wb::RunResult run = wb::RunProgram(
                "bufdemo-" + module,
                {.args = inside ? std::vector<std::string>{"-i"} : std::vector<std::string>{},
                 .input = ReadFile("buffers/samples/" + sample + ".txt")});
            EXPECT_EQ(run, (wb::RunResult{ReadFile("tests/buffers/expected/" + expected + ".txt"),
                                          "", 0}))
                << module << " on " << sample;
        }
    }
}

TEST(BufdemoTest, AnyOtherArgumentIsAUsageError) {
    const std::vector<std::vector<std::string>> bad_args = {{"-x"}, {"-i", "-i"}};
    for (const std::vector<std::string> &args : bad_args) {
        EXPECT_EQ(
            wb::RunProgram("bufdemo-pilerow", {.args = args, .input = "Ia\n"}),
            (wb::RunResult{"",
                           "usage: bufdemo-pilerow [-i] < commands\n"
                           "  -i  after each display, also draw the records behind the buffer\n",
                           2}))
            << args.size() << " arguments from " << args[0];
    }
}

}  // namespace
