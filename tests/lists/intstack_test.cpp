// The intstack program on its data file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"
#include "views.h"

namespace {

std::string Numbers(int from, int to) {
    std::string text;
    for (int i = from; i <= to; i++)
        text += std::to_string(i) + (i % 5 == 0 ? "\n" : " ");
    return text;
}

struct IntstackCase {
    const char *name;
    std::string data;
    const char *out;
    std::string err;
    int status;
};

TEST(IntstackTest, DataFiles) {
    const IntstackCase cases[] = {
        {"1 to 12 grows once", Numbers(1, 12), "Stack has grown from 10 to 20\n", "", 0},
        {"1 to 25 grows twice", Numbers(1, 25),
         "Stack has grown from 10 to 20\nStack has grown from 20 to 30\n", "", 0},
        {"one pop", "1 2 -99999\n", "# elements after popping: 1, integer popped: 2\n", "", 0},
        {"pop on empty", "5\n-99999\n-99999\n",
         "# elements after popping: 0, integer popped: 5\n"
         "Nothing to pop!!# elements after popping: 0, integer popped: 0\n",
         "", 0},
        {"just above the sentinel is pushed, below it skipped", "-99998 -100000 -99999 -99999",
         "# elements after popping: 0, integer popped: -99998\n"
         "Nothing to pop!!# elements after popping: 0, integer popped: 0\n",
         "", 0},
        {"zero and negatives are values", "0\t-7\n+3 -99999 -99999 -99999\n",
         "# elements after popping: 2, integer popped: 3\n"
         "# elements after popping: 1, integer popped: -7\n"
         "# elements after popping: 0, integer popped: 0\n",
         "", 0},
        {"pops after growth", Numbers(1, 11) + "-99999 -99999",
         "Stack has grown from 10 to 20\n"
         "# elements after popping: 10, integer popped: 11\n"
         "# elements after popping: 9, integer popped: 10\n",
         "", 0},
        {"no final line end", "3 -99999", "# elements after popping: 0, integer popped: 3\n", "",
         0},
        {"empty file", "", "", "", 0},
        {"blank file", "  \n\t\n\n", "", "", 0},
        {"word ends the run", "1 2 -99999 abc 3 -99999\n",
         "# elements after popping: 1, integer popped: 2\n",
         "intstack: \"abc\" in data.txt is not a 32-bit integer\n", 1},
        {"number glued to letters", "4 12abc -99999", "",
         "intstack: \"12abc\" in data.txt is not a 32-bit integer\n", 1},
        {"lone sign", "-", "", "intstack: \"-\" in data.txt is not a 32-bit integer\n", 1},
        {"beyond 32 bits", "2147483647 -99999 2147483648",
         "# elements after popping: 0, integer popped: 2147483647\n",
         "intstack: \"2147483648\" in data.txt is not a 32-bit integer\n", 1},
        {"zero padded", std::string(30, '0') + "12 -99999",
         "# elements after popping: 0, integer popped: 12\n", "", 0},
        {"a number of any length", std::string(62, '0') + "12 -99999",
         "# elements after popping: 0, integer popped: 12\n", "", 0},
        {"a NUL inside a word", std::string("12") + '\0' + "abc 7 -99999 -99999", "",
         "intstack: \"12\\0abc\" in data.txt is not a 32-bit integer\n", 1},
    };
    for (const IntstackCase &c : cases) {
        SCOPED_TRACE(c.name);
        wb::RunResult result = wb::RunProgram("intstack", {.files = {{"data.txt", c.data}}});
        EXPECT_EQ(result, (wb::RunResult{c.out, c.err, c.status}));
    }
}

// -i draws the stack after each change and -j FILE describes each drawing; any other
// argument list leaves the run as it was.
TEST(IntstackTest, Views) {
    const std::string sample = wb::SourceFile("lists/samples/stack.txt");
    const std::string plain = wb::RunProgram("intstack", {.files = {{"data.txt", sample}}}).out;
    const std::string drawn = wb::SourceFile("tests/lists/expected/intstack-inside.txt");
    const std::string described = wb::SourceFile("tests/lists/expected/intstack-inside.json");
    wb::ExpectViews(
        "intstack", {.files = {{"data.txt", sample}}}, drawn, described, plain, {"-i", "-i"},
        {{{"-i"}, {drawn, "", 0}},
         {{"-j"}, {plain, "", 0}},
         {{"-x"}, {plain, "", 0}},
         {{"-j", "none/stack.json"},
          {"", "intstack: cannot write none/stack.json: No such file or directory\n", 2}}});
}

TEST(IntstackTest, MissingDataFile) {
    wb::RunResult result = wb::RunProgram("intstack");
    EXPECT_EQ(result, (wb::RunResult{"", "cannot open file!: No such file or directory\n", 1}));
}

}  // namespace
