// Golden runs of the palindrome checker and the value printer.
#include <gtest/gtest.h>

#include <string>

#include "run_program.h"

namespace {

std::string Verdicts(const std::string &word, bool palindrome) {
    const std::string verdict =
        "\t" + word + (palindrome ? " is a palindrome\n" : " is NOT a palindrome\n");
    return "Recursive test:\n" + verdict + "Iterative test:\n" + verdict;
}

TEST(PalindromeTest, BothTestsGiveTheVerdict) {
    const struct {
        std::string word;
        bool palindrome;
    } cases[] = {
        {"level", true},
        {"abca", false},
        {"abba", true},
        {"a", true},
        {"", true},
        {"Anna", false},
        {"ab", false},
        {"aa", true},
        {"abXba", true},
        {"abcab", false},
        {"race car", false},
        {"a b a", true},
        {"12321", true},
        {"!?!", true},
        {std::string(2001, 'z'), true},
        {std::string(1000, 'z') + "y" + std::string(999, 'z'), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.word.substr(0, 20));
        wb::RunResult result = wb::RunProgram("palindrome", {.args = {c.word}});
        EXPECT_EQ(result, (wb::RunResult{Verdicts(c.word, c.palindrome), "", 0}));
    }
}

TEST(PalindromeTest, ArgumentsAfterTheWordAreIgnored) {
    wb::RunResult result = wb::RunProgram("palindrome", {.args = {"abba", "xyz"}});
    EXPECT_EQ(result.out, Verdicts("abba", true));
    EXPECT_EQ(result.status, 0);
}

// The longest argument the system passes still gets both verdicts (deep recursion included).
TEST(PalindromeTest, LongestArgument) {
    const std::string word = std::string(65535, 'm') + "n" + std::string(65535, 'm');
    wb::RunResult result = wb::RunProgram("palindrome", {.args = {word}});
    EXPECT_EQ(result.out, Verdicts(word, true));
    EXPECT_EQ(result.status, 0);
}

TEST(PalindromeTest, NoWordPrintsUsage) {
    wb::RunResult result = wb::RunProgram("palindrome");
    EXPECT_EQ(result, (wb::RunResult{"Usage: <executable> <word to scan>\n", "", 1}));
}

TEST(QuizTest, PrintsElevenLines) {
    wb::RunResult result = wb::RunProgram("quiz");
    EXPECT_EQ(result.out,
              "value:0\nvalue:1\nvalue:2\nvalue:3\nvalue:4\nvalue:5\nvalue:6\nvalue:7\nvalue:8\n"
              "value:9\n10\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);
}

}  // namespace
