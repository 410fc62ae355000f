// The string library's contract: fresh GetBlock strings with exactly the asked-for characters.
#include "support/textlib.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Takes ownership of a library string and returns its text, releasing it the documented way.
std::string Take(string s) {
    std::string text(s);
    FreeBlock(s);
    return text;
}

TEST(TextlibTest, CopyStringMakesAnIndependentCopy) {
    for (std::string text : {"", "a", "hello, world", "caf\xc3\xa9 \xff\x80", "  \t\n"}) {
        string copy = CopyString(text.c_str());
        EXPECT_NE(copy, text.c_str());
        EXPECT_EQ(std::string(copy), text);
        EXPECT_EQ(StringLength(copy), static_cast<int>(text.size()));
        copy[0] = 'Z';  // a copy of "" still has its NUL to write over
        EXPECT_NE(text.c_str()[0], 'Z');
        FreeBlock(copy);
    }
}

TEST(TextlibTest, StringEqualComparesEveryCharacter) {
    struct Case {
        const char *a, *b;
        bool equal;
    };
    for (const Case &c :
         {Case{"", "", true}, Case{"abc", "abc", true}, Case{"abc", "abd", false},
          Case{"abc", "ab", false}, Case{"ab", "abc", false}, Case{"ABC", "abc", false},
          Case{"", " ", false}, Case{"\xe9", "\xe9", true}, Case{"\xe9", "e", false}}) {
        EXPECT_EQ(StringEqual(c.a, c.b), c.equal ? TRUE : FALSE) << c.a << " vs " << c.b;
    }
}

TEST(TextlibTest, SubStringTakesBothEndsAndClipsToTheText) {
    struct Case {
        const char *text;
        int p1, p2;
        const char *expected;
    };
    for (const Case &c :
         {Case{"hello", 0, 4, "hello"}, Case{"hello", 1, 3, "ell"}, Case{"hello", 2, 2, "l"},
          Case{"hello", 4, 4, "o"}, Case{"hello", 3, 99, "lo"}, Case{"hello", -5, 1, "he"},
          Case{"hello", 3, 2, ""}, Case{"hello", 5, 9, ""}, Case{"hello", 0, -1, ""},
          Case{"", 0, 0, ""}, Case{"a\xe9z", 1, 1, "\xe9"}}) {
        EXPECT_EQ(Take(SubString(c.text, c.p1, c.p2)), c.expected)
            << c.text << " [" << c.p1 << ", " << c.p2 << "]";
    }
}

// The piece at the end of a long text: only the piece is measured, and it still stops at the NUL.
TEST(TextlibTest, SubStringNearTheEndOfALongText) {
    std::string text(1 << 20, 'x');
    text += "tail";
    int last = static_cast<int>(text.size()) - 1;
    EXPECT_EQ(Take(SubString(text.c_str(), last - 3, last)), "tail");
    EXPECT_EQ(Take(SubString(text.c_str(), last - 1, last + 1000)), "il");
}

TEST(TextlibDeathTest, NullStringsEndTheProgramWithTheOperationsName) {
    EXPECT_EXIT(CopyString(nullptr), ::testing::ExitedWithCode(1), "^CopyString: null string\n$");
    EXPECT_EXIT(StringLength(nullptr), ::testing::ExitedWithCode(1),
                "^StringLength: null string\n$");
    EXPECT_EXIT(StringEqual("a", nullptr), ::testing::ExitedWithCode(1),
                "^StringEqual: null string\n$");
    EXPECT_EXIT(StringEqual(nullptr, "a"), ::testing::ExitedWithCode(1),
                "^StringEqual: null string\n$");
    EXPECT_EXIT(SubString(nullptr, 0, 0), ::testing::ExitedWithCode(1),
                "^SubString: null string\n$");
}

}  // namespace
