// The bundled C editor loop, linked with each buffer module, on the bundled sample commands.
// The array buffer's run is the reference: the other modules must print the same bytes, except
// that the block-list buffer reports each step past an end.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "run_program.h"

namespace {

std::string Sample(const std::string &name) {
    std::ifstream in(std::string(WORKBENCH_SOURCE_DIR) + "/buffers/samples/" + name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The reference output with a message line after the echo of each step that runs into an end.
// Every command is echoed as "> X" and followed by the display; a step that leaves the display
// as it was can only have been made at an end.
std::string WithEndMessages(const std::string &out) {
    std::istringstream lines(out);
    std::string marked, line, previous = "\n^\n";  // the display of a new buffer
    while (std::getline(lines, line)) {
        marked += line + "\n";
        if (line.rfind("> ", 0) != 0) continue;
        std::string text, caret;
        std::getline(lines, text);
        std::getline(lines, caret);
        std::string shown = text + "\n" + caret + "\n";
        if (shown == previous && line == "> F") marked += "Already at end bro!\n";
        if (shown == previous && line == "> B") marked += "Already at beginning bro!\n";
        marked += shown;
        previous = shown;
    }
    return marked;
}

TEST(BufdemoTest, EveryModuleEditsTheSamplesAlike) {
    for (const char *sample : {"edit.txt", "ends.txt"}) {
        SCOPED_TRACE(sample);
        const std::string input = Sample(sample);
        ASSERT_FALSE(input.empty());
        wb::RunResult reference = wb::RunProgram("bufdemo-gridrow", {.input = input});
        ASSERT_EQ(reference.status, 0);
        ASSERT_NE(WithEndMessages(reference.out), reference.out);  // each sample runs into an end
        struct Case {
            const char *program;
            std::string out;
        };
        const Case cases[] = {
            {"bufdemo-pilerow", reference.out},
            {"bufdemo-chainrow", reference.out},
            {"bufdemo-chunkrow", WithEndMessages(reference.out)},
        };
        for (const Case &c : cases) {
            SCOPED_TRACE(c.program);
            wb::RunResult run = wb::RunProgram(c.program, {.input = input});
            EXPECT_EQ(run.out, c.out);
            EXPECT_EQ(run.err, "");
            EXPECT_EQ(run.status, 0);
        }
    }
}

}  // namespace
