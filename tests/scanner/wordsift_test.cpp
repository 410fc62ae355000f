// The scanner's contract: tokens under both space options, the end of the text, pushback,
// ownership of what it hands out, and its two fatal errors. Also checks the bundled client.
#include "scanner/wordsift.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "run_program.h"
#include "soak.h"
#include "tests/scanner/token_model.h"

namespace {

using wb::Tokens;

std::string Take(string token) {
    std::string text(token);
    FreeBlock(token);
    return text;
}

class ScannerTest : public ::testing::Test {
   protected:
    void TearDown() override { FreeScanner(scanner_); }

    void Load(const std::string &text, spaceOptionT option) {
        SetScannerSpaceOption(scanner_, option);
        SetScannerString(scanner_, text.c_str());
    }
    // Every token, read the way a client loop does.
    Tokens ReadAll() {
        Tokens tokens;
        while (MoreTokensExist(scanner_))
            tokens.push_back(Take(ReadToken(scanner_)));
        return tokens;
    }
    Tokens Scan(const std::string &text, spaceOptionT option) {
        Load(text, option);
        return ReadAll();
    }

    scannerADT scanner_ = NewScanner();
};

TEST_F(ScannerTest, CutsTextsIntoTokens) {
    struct Case {
        std::string text;
        Tokens preserved, ignored;
    };
    const Case cases[] = {
        {"ab12+c", {"ab12", "+", "c"}, {"ab12", "+", "c"}},
        {"  x y", {" ", " ", "x", " ", "y"}, {"x", "y"}},
        {"a_b", {"a", "_", "b"}, {"a", "_", "b"}},
        {"3.14", {"3", ".", "14"}, {"3", ".", "14"}},
        {"x1y2", {"x1y2"}, {"x1y2"}},
        {"x   ", {"x", " ", " ", " "}, {"x"}},
        {"", {}, {}},
        {"   ", {" ", " ", " "}, {}},
        {"\t\n\v\f\r ", {"\t", "\n", "\v", "\f", "\r", " "}, {}},
        {"a\xe9z", {"a", "\xe9", "z"}, {"a", "\xe9", "z"}},
        {" \x80\xff ", {" ", "\x80", "\xff", " "}, {"\x80", "\xff"}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Scan(c.text, PreserveSpaces), c.preserved) << '"' << c.text << '"';
        EXPECT_EQ(Scan(c.text, IgnoreSpaces), c.ignored) << '"' << c.text << '"';
    }
}

// Each byte between two letters: letters and digits join them, white space goes only under
// IgnoreSpaces, everything else (0x80-0xFF included) is a token of its own.
TEST_F(ScannerTest, ClassifiesEveryByte) {
    for (int byte = 1; byte < 256; byte++) {
        std::string text = std::string("a") + static_cast<char>(byte) + "b";
        for (spaceOptionT option : {PreserveSpaces, IgnoreSpaces})
            ASSERT_EQ(Scan(text, option), wb::TokenModel(text, option)) << "byte " << byte;
    }
}

TEST_F(ScannerTest, MatchesTheModelOnRandomTexts) {
    const std::string alphabet = "abzAZ09_ .,+\t\n\r\x80\xe9\xff";
    srand(7);
    const int kRounds = wb::Steps(2000);
    for (int round = 0; round < kRounds; round++) {
        std::string text;
        for (int n = rand() % 30; n > 0; n--)
            text += alphabet[static_cast<size_t>(rand()) % alphabet.size()];
        for (spaceOptionT option : {PreserveSpaces, IgnoreSpaces})
            ASSERT_EQ(Scan(text, option), wb::TokenModel(text, option)) << '"' << text << '"';
        std::string joined;
        for (const std::string &token : Scan(text, PreserveSpaces))
            joined += token;
        ASSERT_EQ(joined, text);
    }
}

TEST_F(ScannerTest, AfterTheEndEveryReadGivesANewEmptyString) {
    Load("ab12+c", PreserveSpaces);
    EXPECT_EQ(ReadAll(), (Tokens{"ab12", "+", "c"}));
    EXPECT_EQ(MoreTokensExist(scanner_), FALSE);
    string first = ReadToken(scanner_);
    string second = ReadToken(scanner_);
    EXPECT_STREQ(first, "");
    EXPECT_STREQ(second, "");
    EXPECT_NE(first, second);
    FreeBlock(first);
    FreeBlock(second);
    EXPECT_EQ(MoreTokensExist(scanner_), FALSE);

    Load("", IgnoreSpaces);
    EXPECT_EQ(MoreTokensExist(scanner_), FALSE);
    EXPECT_EQ(Take(ReadToken(scanner_)), "");
}

TEST_F(ScannerTest, AskingUnderIgnoreSpacesMovesPastTheSpaces) {
    Load("x   ", IgnoreSpaces);
    EXPECT_EQ(Take(ReadToken(scanner_)), "x");
    EXPECT_EQ(MoreTokensExist(scanner_), FALSE);
    // The blanks are behind the scanner now, whatever the option says.
    SetScannerSpaceOption(scanner_, PreserveSpaces);
    EXPECT_EQ(MoreTokensExist(scanner_), FALSE);
    EXPECT_EQ(Take(ReadToken(scanner_)), "");

    Load("x   ", PreserveSpaces);
    EXPECT_EQ(Take(ReadToken(scanner_)), "x");
    EXPECT_EQ(MoreTokensExist(scanner_), TRUE);
    SetScannerSpaceOption(scanner_, IgnoreSpaces);
    EXPECT_EQ(MoreTokensExist(scanner_), FALSE);
}

TEST_F(ScannerTest, SavedTokenComesBackAsTheSamePointer) {
    Load("a b", PreserveSpaces);
    string a = ReadToken(scanner_);
    SaveToken(scanner_, a);
    EXPECT_EQ(MoreTokensExist(scanner_), TRUE);
    EXPECT_EQ(ReadToken(scanner_), a);
    FreeBlock(a);

    // A saved blank is returned even though the option now skips blanks.
    string blank = ReadToken(scanner_);
    ASSERT_STREQ(blank, " ");
    SaveToken(scanner_, blank);
    SetScannerSpaceOption(scanner_, IgnoreSpaces);
    EXPECT_EQ(ReadToken(scanner_), blank);
    FreeBlock(blank);
    EXPECT_EQ(Take(ReadToken(scanner_)), "b");

    // Any string of the client's can be pushed back, not only one the scanner made.
    char own[] = "mine";
    SaveToken(scanner_, own);
    EXPECT_EQ(ReadToken(scanner_), own);
}

TEST_F(ScannerTest, SavedEmptyTokenEndsTheTextYetIsReadOnce) {
    Load("x", PreserveSpaces);
    EXPECT_EQ(Take(ReadToken(scanner_)), "x");
    string end = ReadToken(scanner_);
    SaveToken(scanner_, end);
    EXPECT_EQ(MoreTokensExist(scanner_), FALSE);
    EXPECT_EQ(ReadToken(scanner_), end);
    FreeBlock(end);

    // Saved before the end, the empty string still says no more, and the text resumes after it.
    Load("y", PreserveSpaces);
    char empty[] = "";
    SaveToken(scanner_, empty);
    EXPECT_EQ(MoreTokensExist(scanner_), FALSE);
    EXPECT_EQ(ReadToken(scanner_), empty);
    EXPECT_EQ(ReadAll(), Tokens{"y"});
}

TEST_F(ScannerTest, NewTextDropsTheSavedTokenAndKeepsTheOption) {
    EXPECT_EQ(GetScannerSpaceOption(scanner_), PreserveSpaces);
    SetScannerSpaceOption(scanner_, IgnoreSpaces);  // allowed before any text
    EXPECT_EQ(GetScannerSpaceOption(scanner_), IgnoreSpaces);
    SetScannerString(scanner_, " old text");
    string old = ReadToken(scanner_);
    SaveToken(scanner_, old);
    SetScannerString(scanner_, "  new");
    EXPECT_EQ(GetScannerSpaceOption(scanner_), IgnoreSpaces);
    EXPECT_EQ(ReadAll(), Tokens{"new"});
    EXPECT_STREQ(old, "old");  // dropped, not freed: still the client's to release
    FreeBlock(old);
    SaveToken(scanner_, ReadToken(scanner_));  // the dropped token left no slot taken
    FreeBlock(ReadToken(scanner_));
}

// The scanner reads its own copy of the text; its tokens, a saved one included, outlive it.
TEST(ScannerOwnershipTest, TextCopiesAndTokensAreSeparateFromTheClients) {
    char text[] = "one two";
    scannerADT first = NewScanner();
    scannerADT second = NewScanner();
    SetScannerString(first, text);
    SetScannerSpaceOption(second, IgnoreSpaces);
    SetScannerString(second, "alpha beta");
    text[0] = 'X';
    string one = ReadToken(first);
    EXPECT_EQ(Take(ReadToken(second)), "alpha");
    EXPECT_EQ(Take(ReadToken(first)), " ");
    string two = ReadToken(first);
    SaveToken(first, two);
    EXPECT_EQ(Take(ReadToken(second)), "beta");
    FreeScanner(first);
    FreeScanner(second);
    EXPECT_STREQ(one, "one");
    EXPECT_STREQ(two, "two");
    FreeBlock(one);
    FreeBlock(two);
}

TEST(ScannerDeathTest, ReadingWithoutATextEndsTheProgram) {
    const char *message = "^SetScannerString has not been called\n$";
    scannerADT scanner = NewScanner();
    EXPECT_EXIT(ReadToken(scanner), ::testing::ExitedWithCode(1), message);
    EXPECT_EXIT(MoreTokensExist(scanner), ::testing::ExitedWithCode(1), message);
    char token[] = "t";
    EXPECT_EXIT(SaveToken(scanner, token), ::testing::ExitedWithCode(1), message);
    FreeScanner(scanner);
}

TEST(ScannerDeathTest, SecondSaveEndsTheProgram) {
    scannerADT scanner = NewScanner();
    SetScannerString(scanner, "a b");
    char first[] = "a", second[] = "b";
    SaveToken(scanner, first);
    EXPECT_EXIT(SaveToken(scanner, second), ::testing::ExitedWithCode(1),
                "^Token has already been saved\n$");
    EXPECT_EQ(ReadToken(scanner), first);
    FreeScanner(scanner);
}

TEST(SiftdemoTest, ShowsEachLinesTokensUnderBothOptions) {
    wb::RunResult run = wb::RunProgram("siftdemo", {.input = "ab12+c\n  x y\n\na\xe9\t\vb \nlast"});
    EXPECT_EQ(run.out,
              "> ab12+c\n"
              "PreserveSpaces 3: [ab12] [+] [c]\n"
              "IgnoreSpaces   3: [ab12] [+] [c]\n"
              ">   x y\n"
              "PreserveSpaces 5: [ ] [ ] [x] [ ] [y]\n"
              "IgnoreSpaces   2: [x] [y]\n"
              "> \n"
              "PreserveSpaces 0:\n"
              "IgnoreSpaces   0:\n"
              "> a\\xE9\\t\\vb \n"
              "PreserveSpaces 6: [a] [\\xE9] [\\t] [\\v] [b] [ ]\n"
              "IgnoreSpaces   3: [a] [\\xE9] [b]\n"
              "> last\n"
              "PreserveSpaces 1: [last]\n"
              "IgnoreSpaces   1: [last]\n");
    EXPECT_EQ(run.err, "");  // under the asan preset, a leaked token would show up here
    EXPECT_EQ(run.status, 0);
}

// One line far longer than any fixed buffer: nothing is cut off or lost.
TEST(SiftdemoTest, LongLine) {
    std::string line;
    for (int i = 0; i < 20000; i++) {
        line += 'w';
        line += std::to_string(i) + " ";
    }
    wb::RunResult run = wb::RunProgram("siftdemo", {.input = line + "\n"});
    EXPECT_NE(run.out.find("PreserveSpaces 40000: [w0] [ ] [w1]"), std::string::npos);
    EXPECT_NE(run.out.find("] [w19999]\n"), std::string::npos);
    EXPECT_EQ(run.status, 0);
}

}  // namespace
