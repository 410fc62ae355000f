// Golden runs of the two word programs and of the word-guessing game.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

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
        EXPECT_EQ(result, (wb::RunResult{c.out, "", 0}));
    }
}

TEST(LinereaderTest, MissingFileIsAFailure) {
    wb::RunResult result = wb::RunProgram("linereader", {.files = {{"other.txt", "a\n"}}});
    EXPECT_EQ(result, (wb::RunResult{"", "Error opening file: No such file or directory\n", 1}));
}

// A directory named input.txt opens but cannot be read: that too must end with status 1.
TEST(LinereaderTest, ReadErrorIsAFailure) {
    EXPECT_EQ(wb::RunProgram("linereader", {.dirs = {"input.txt"}}),
              (wb::RunResult{"", "Error reading file: Is a directory\n", 1}));
}

TEST(CopydemoTest, PrintsTheThreeStrings) {
    wb::RunResult result = wb::RunProgram("copydemo");
    EXPECT_EQ(result,
              (wb::RunResult{"str1: Sample string\nstr2: Sample string\nstr3: copy successful\n",
                             "", 0}));
}

// One game a row, on a one-word file so that the draw is known.
TEST(WordguessTest, PlaysToAWinOrALoss) {
    const std::string intro =
        "Guess the word: one letter or the whole word a line; six misses lose.\n";
    const std::string start = intro + "Word: _ _ _  Misses left: 6  Tried: -\n";
    const struct {
        const char *name, *word, *input;
        std::string out;
    } cases[] = {
        {"letters in either case", "cat", "T\nc\nA\n",
         start + "Word: _ _ t  Misses left: 6  Tried: t\nWord: c _ t  Misses left: 6  Tried: c t\n"
                 "You win: the word is cat.\n"},
        {"six misses, a wrong word twice", "cat", "b\ncot\nCOT\nd\ne\nf\n",
         start + "Word: _ _ _  Misses left: 5  Tried: b\nWord: _ _ _  Misses left: 4  Tried: b\n"
                 "Word: _ _ _  Misses left: 3  Tried: b\nWord: _ _ _  Misses left: 2  Tried: b d\n"
                 "Word: _ _ _  Misses left: 1  Tried: b d e\nYou lose: the word was cat.\n"},
        {"bad input costs nothing, then the word", "cat", "\n7\nc\nC\ncats\nca\n  CAT \r\n",
         start + "Type one letter or the whole word.\n'7' is not a letter.\n"
                 "Word: c _ _  Misses left: 6  Tried: c\nYou already tried 'c'.\n"
                 "The word has 3 characters: guess one letter or all of them.\n"
                 "The word has 3 characters: guess one letter or all of them.\n"
                 "You win: the word is cat.\n"},
        {"end of input, other characters shown", "it's", "s",
         intro +
             "Word: _ _ ' _  Misses left: 6  Tried: -\nWord: _ _ ' s  Misses left: 6  Tried: s\n"
             "You lose: the word was it's.\n"},
        {"a one-character word", "a", "ab\na\n",
         intro + "Word: _  Misses left: 6  Tried: -\n"
                 "The word has 1 character: guess one letter or all of them.\n"
                 "You win: the word is a.\n"},
        {"no letters to guess", "42", "",
         intro + "Word: 4 2  Misses left: 6  Tried: -\n"
                 "You win: the word is 42.\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        wb::RunResult result = wb::RunProgram(
            "wordguess", {.args = {"w.txt"}, .input = c.input, .files = {{"w.txt", c.word}}});
        EXPECT_EQ(result, (wb::RunResult{c.out, "", 0}));
    }
}

// Without an argument the game draws from the bundled list, wherever it is started; a word file
// that cannot be opened ends it before the game starts.
TEST(WordguessTest, FindsItsWordFile) {
    wb::RunResult result = wb::RunProgram("wordguess");
    EXPECT_THAT(result.out, ::testing::ContainsRegex("\nYou lose: the word was [a-z]+\\.\n$"));
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);

    result = wb::RunProgram("wordguess", {.args = {"missing.txt"}});
    EXPECT_EQ(result, (wb::RunResult{"", "Failed to open your file. Fail less bro!!!\n", 1}));
}

}  // namespace
