// The bundled C editor loop, linked with each declared buffer module, on the bundled sample
// commands. Every module prints the expected output under tests/buffers/expected/, byte for
// byte: a module that reports the ends has its own file with the messages for each step past an
// end, and a module with a view its own drawings.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace {

// The declarations of buffers/CMakeLists.txt.
struct Module {
    const char *name;
    int capacity;
    bool reports_ends;
    bool view;
    const char *libs;
};
const Module kModules[] = {
#include "buffers/buffer_modules.inc"
};

TEST(BufdemoTest, EveryModuleEditsTheSamples) {
    for (const Module &module : kModules) {
        for (const std::string sample : {"edit", "ends"}) {
            std::string expected = sample + (module.reports_ends ? "-reports-ends" : "");
            wb::RunResult run =
                wb::RunProgram(std::string("bufdemo-") + module.name,
                               {.input = wb::SourceFile("buffers/samples/" + sample + ".txt")});
            EXPECT_EQ(run,
                      (wb::RunResult{wb::SourceFile("tests/buffers/expected/" + expected + ".txt"),
                                     "", 0}))
                << module.name << " on " << sample;
        }
    }
}

// -i draws each module's own records after each display.
TEST(BufdemoTest, EveryModuleDrawsItsRecords) {
    for (const Module &module : kModules) {
        if (!module.view) continue;
        wb::RunResult run =
            wb::RunProgram(std::string("bufdemo-") + module.name,
                           {.args = {"-i"}, .input = wb::SourceFile("buffers/samples/inside.txt")});
        EXPECT_EQ(run, (wb::RunResult{wb::SourceFile(std::string("tests/buffers/expected/inside-") +
                                                     module.name + ".txt"),
                                      "", 0}))
            << module.name;
    }
}

// -j writes the records as they stand at the end, here to standard error, empty otherwise.
TEST(BufdemoTest, EveryModuleDescribesItsRecords) {
    for (const Module &module : kModules) {
        if (!module.view) continue;
        const std::string golden = std::string("tests/buffers/expected/inside-") + module.name;
        wb::RunResult run = wb::RunProgram(std::string("bufdemo-") + module.name,
                                           {.args = {"-i", "-j", "/dev/stderr"},
                                            .input = wb::SourceFile("buffers/samples/inside.txt")});
        EXPECT_EQ(run, (wb::RunResult{wb::SourceFile(golden + ".txt"),
                                      wb::SourceFile(golden + ".json"), 0}))
            << module.name;
    }
    EXPECT_EQ(wb::RunProgram("bufdemo-chainrow",
                             {.args = {"-j", "/dev/stderr"}, .input = "Ia\"\\\x01\xc3\nB\nQ\nIz\n"})
                  .err,
              "{\"module\":\"chainrow\",\"kind\":\"chain\","
              "\"cells\":[\"a\",\"\\\"\",\"\\\\\",\"\\u0001\",\"\\u00c3\"],\"cursor\":4,"
              "\"bytes\":{\"records\":[{\"name\":\"record\",\"count\":1,\"size\":16},"
              "{\"name\":\"cell\",\"count\":6,\"size\":16}],\"total\":112,\"characters\":5}}\n");
}

// A module declared without a view: bufdemo edits as ever, and its drawings say there is none.
TEST(BufdemoTest, AModuleWithoutAViewSaysSo) {
    const std::string none = "  no drawing: gridrow has no view of its records\n";
    EXPECT_EQ(wb::RunProgram("bufdemo-gridrow-plain",
                             {.args = {"-i", "-j", "/dev/stderr"},
                              .input = wb::SourceFile("buffers/samples/inside.txt")}),
              (wb::RunResult{"> Iabcde\n a b c d e\n          ^\n" + none +
                                 "> B\n a b c d e\n        ^\n" + none,
                             "{\"module\":\"gridrow\",\"kind\":\"none\"}\n", 0}));
    EXPECT_EQ(wb::RunProgram("bufdemo-gridrow-plain",
                             {.input = wb::SourceFile("buffers/samples/edit.txt")}),
              (wb::RunResult{wb::SourceFile("tests/buffers/expected/edit.txt"), "", 0}));
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
