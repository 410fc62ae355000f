// The dictionary on the real clock and generator, in-process and through its bundled client,
// including the ways it ends the program.
#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "run_program.h"
#include "word_files.h"
#include "words/lotdraw.h"

namespace {

const char kOpenFailure[] = "Failed to open your file. Fail less bro!!!\n";
const char kNoWordPattern[] =
    "^lotdraw: no word to choose: the dictionary is empty or not loaded\n$";

TEST(LotdrawTest, OneWordFileAlwaysGivesThatWord) {
    wb::LoadWords("\n  lonely \n");
    for (int i = 0; i < 3; i++)
        EXPECT_STREQ(ChooseRandomWord(), "lonely");
    free_all();
}

// Both calls land in one second on almost every try; a try that straddles a second is repeated.
TEST(LotdrawTest, CallsWithinOneSecondGiveTheSameWord) {
    wb::LoadWords(wb::NumberedWords(1000));
    bool compared = false;
    for (int attempt = 0; attempt < 5 && !compared; attempt++) {
        std::time_t before = std::time(nullptr);
        char *first = ChooseRandomWord();
        char *second = ChooseRandomWord();
        if (std::time(nullptr) != before) continue;
        EXPECT_EQ(first, second);  // the very same string, not a copy
        compared = true;
    }
    EXPECT_TRUE(compared);
    free_all();
}

struct EndCase {
    const char *name;
    void (*body)();
    const char *stderrPattern;
};

TEST(LotdrawDeathTest, EndsTheProgramWithStatusOne) {
    const EndCase cases[] = {
        {"missing file", [] { InitDictionary(const_cast<char *>("/nonexistent/words.txt")); },
         "^Failed to open your file\\. Fail less bro!!!\n$"},
        {"null file name", [] { InitDictionary(nullptr); },
         "^Failed to open your file\\. Fail less bro!!!\n$"},
        {"empty file",
         [] {
             wb::LoadWords("");
             ChooseRandomWord();
         },
         kNoWordPattern},
        {"white space only",
         [] {
             wb::LoadWords(" \n\t\n");
             ChooseRandomWord();
         },
         kNoWordPattern},
        {"before any load", [] { ChooseRandomWord(); }, kNoWordPattern},
        {"after free_all",
         [] {
             wb::LoadWords("gone");
             free_all();
             ChooseRandomWord();
         },
         kNoWordPattern},
    };
    free_all();  // the children start from an empty module
    for (const EndCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EXIT(c.body(), ::testing::ExitedWithCode(1), c.stderrPattern);
    }
}

std::string ReadSample(const std::string &name) {
    std::ifstream in(std::string(WORKBENCH_SOURCE_DIR) + "/words/samples/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(LotdrawClientTest, ShowsAWordOrEndsWithStatusOne) {
    struct ClientCase {
        const char *name;
        wb::Run run;
        std::string out;
        std::string err;
        int status;
    };
    const ClientCase cases[] = {
        {"one word",
         {.args = {"w.txt"}, .files = {{"w.txt", "zebra\n"}}},
         "Chosen word: zebra\n",
         "",
         0},
        {"default file name", {.files = {{"words.txt", "  okapi"}}}, "Chosen word: okapi\n", "", 0},
        {"missing file", {.args = {"missing.txt"}}, "", kOpenFailure, 1},
        {"a script writes in its own directory only",
         {.args = {"-c"}, .input = "W ../w.txt zebra\nW .. zebra\nL ../w.txt\n"},
         "> W ../w.txt zebra\nUsage: W file text (a file of the working directory)\n"
         "> W .. zebra\nUsage: W file text (a file of the working directory)\n> L ../w.txt\n",
         kOpenFailure,
         1},
        {"empty file",
         {.args = {"w.txt"}, .files = {{"w.txt", "\n\n"}}},
         "",
         "lotdraw: no word to choose: the dictionary is empty or not loaded\n",
         1},
    };
    for (const ClientCase &c : cases) {
        SCOPED_TRACE(c.name);
        wb::RunResult result = wb::RunProgram("wordpick", c.run);
        EXPECT_EQ(result, (wb::RunResult{c.out, c.err, c.status}));
    }
}

TEST(LotdrawClientTest, DrawsFromTheBundledWordFile) {
    const std::string sample = ReadSample("words.txt");
    ASSERT_FALSE(sample.empty());
    std::set<std::string> words;
    std::istringstream split(sample);
    for (std::string word; split >> word;)
        words.insert(word);

    wb::RunResult result = wb::RunProgram("wordpick", {.files = {{"words.txt", sample}}});
    const std::string prefix = "Chosen word: ";
    ASSERT_EQ(result.out.rfind(prefix, 0), 0u) << result.out;
    ASSERT_EQ(result.out.back(), '\n');
    EXPECT_TRUE(
        words.count(result.out.substr(prefix.size(), result.out.size() - prefix.size() - 1)))
        << result.out;
    EXPECT_EQ(result.status, 0);
}

}  // namespace
