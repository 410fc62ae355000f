// Golden runs of the two word programs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "run_program.h"

namespace {

struct ReaderCase {
    const char *name;
    std::string input;  // contents of input.txt
    std::string out;
};

TEST(LinereaderTest, EchoesPiecesThenRepeatsTheLast) {
    const std::string first99(99, 'a');
    const std::string next51(51, 'b');
    const std::string exact98(98, 'c');
    const ReaderCase cases[] = {
        {"one complete line", "a\n", "a\n\na\n"},
        {"150 characters cut 99/51", first99 + next51 + "\n",
         first99 + "\n" + next51 + "\n\n" + next51 + "\n"},
        {"last line without line end", "x\ny", "x\n\ny\ny"},
        {"empty file", "", ""},
        {"only a line end", "\n", "\n\n\n"},
        {"98 characters and the line end in one read", exact98 + "\n",
         exact98 + "\n\n" + exact98 + "\n"},
        {"99 characters leave the line end to the next read", first99 + "\n", first99 + "\n\n\n\n"},
        {"exactly 99 characters, no line end", first99, first99 + "\n" + first99},
        {"several lines", "one\ntwo\n\nthree\n", "one\n\ntwo\n\n\n\nthree\n\nthree\n"},
    };
    for (const ReaderCase &c : cases) {
        SCOPED_TRACE(c.name);
        wb::RunResult result = wb::RunProgram("linereader", {.files = {{"input.txt", c.input}}});
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(result.status, 0);
    }
}

TEST(LinereaderTest, MissingFileIsAFailure) {
    wb::RunResult result = wb::RunProgram("linereader", {.files = {{"other.txt", "a\n"}}});
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Error opening file: No such file or directory\n");
    EXPECT_EQ(result.status, 1);
}

// A directory named input.txt opens but cannot be read: that too must end with status 1.
TEST(LinereaderTest, ReadErrorIsAFailure) {
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "linereader-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path work = pattern;
    fs::create_directory(work / "input.txt");
    const std::string command =
        "cd '" + work.string() + "' && '" + wb::ProgramPath("linereader") + "' >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    auto read = [&](const char *name) {
        std::stringstream text;
        text << std::ifstream(work / name).rdbuf();
        return text.str();
    };
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(read("out.txt"), "");
    EXPECT_EQ(read("err.txt"), "Error reading file: Is a directory\n");
    fs::remove_all(work);
}

TEST(CopydemoTest, PrintsTheThreeStrings) {
    wb::RunResult result = wb::RunProgram("copydemo");
    EXPECT_EQ(result.out, "str1: Sample string\nstr2: Sample string\nstr3: copy successful\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);
}

}  // namespace
