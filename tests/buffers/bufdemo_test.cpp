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
        for (const std::string sample : {"edit", "ends"}) {
            std::string expected = sample + (module == "chunkrow" ? "-" + module : "");
            wb::RunResult run = wb::RunProgram(
                "bufdemo-" + module, {.input = ReadFile("buffers/samples/" + sample + ".txt")});
            EXPECT_EQ(run, (wb::RunResult{ReadFile("tests/buffers/expected/" + expected + ".txt"),
                                          "", 0}))
                << module << " on " << sample;
        }
    }
}

// -i draws each module's own records after each display.
TEST(BufdemoTest, EveryModuleDrawsItsRecords) {
    std::istringstream modules(BUFFER_MODULES);
    for (std::string module; modules >> module;) {
        wb::RunResult run = wb::RunProgram(
            "bufdemo-" + module, {.args = {"-i"}, .input = ReadFile("buffers/samples/inside.txt")});
        EXPECT_EQ(run, (wb::RunResult{ReadFile("tests/buffers/expected/inside-" + module + ".txt"),
                                      "", 0}))
            << module;
    }
}

// -j writes the records as they stand at the end, here to standard error, empty otherwise.
TEST(BufdemoTest, EveryModuleDescribesItsRecords) {
    std::istringstream modules(BUFFER_MODULES);
    for (std::string module; modules >> module;) {
        wb::RunResult run = wb::RunProgram(
            "bufdemo-" + module,
            {.args = {"-i", "-j", "/dev/stderr"}, .input = ReadFile("buffers/samples/inside.txt")});
        EXPECT_EQ(run,
                  (wb::RunResult{ReadFile("tests/buffers/expected/inside-" + module + ".txt"),
                                 ReadFile("tests/buffers/expected/inside-" + module + ".json"), 0}))
            << module;
    }
    EXPECT_EQ(wb::RunProgram("bufdemo-chainrow",
                             {.args = {"-j", "/dev/stderr"}, .input = "Ia\"\\\x01\xc3\nB\nQ\nIz\n"})
                  .err,
              "{\"module\":\"chainrow\",\"kind\":\"chain\","
              "\"cells\":[\"a\",\"\\\"\",\"\\\\\",\"\\u0001\",\"\\u00c3\"],\"cursor\":4,"
              "\"bytes\":{\"records\":[{\"name\":\"record\",\"count\":1,\"size\":16},"
              "{\"name\":\"cell\",\"count\":6,\"size\":16}],\"total\":112,\"characters\":5}}\n");
}

TEST(BufdemoTest, AnyOtherArgumentIsAUsageError) {
    const std::vector<std::vector<std::string>> bad_args = {
        {"-x"}, {"-i", "-i"}, {"-j"}, {"-j", "a", "-j", "b"}, {"-i", "-j"}};
    for (const std::vector<std::string> &args : bad_args) {
        EXPECT_EQ(wb::RunProgram("bufdemo-pilerow", {.args = args, .input = "Ia\n"}),
                  (wb::RunResult{
                      "",
                      "usage: bufdemo-pilerow [-i] [-j FILE] < commands\n"
                      "  -i       after each display, also draw the records behind the buffer\n"
                      "  -j FILE  at the end, write the records behind the buffer to FILE as "
                      "JSON\n",
                      2}))
            << args.size() << " arguments from " << args[0];
    }
    EXPECT_EQ(
        wb::RunProgram("bufdemo-gridrow", {.args = {"-j", "none/records.json"}}),
        (wb::RunResult{
            "", "bufdemo-gridrow: cannot write none/records.json: No such file or directory\n",
            2}));
}

}  // namespace
