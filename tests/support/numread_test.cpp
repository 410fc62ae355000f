// The number reader on the cases every program meets: signs, leading zeros, the edges of the
// int range under both choices, and bytes that make a token no number.
#include "support/numread.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

TEST(NumreadTest, ParseIntTakesWholeTokensOnly) {
    const int kUntouched = 777;
    struct Case {
        std::string token;
        bool refused, clamped;  // what each choice returns
        int value;              // the value stored when accepted
    } cases[] = {
        {"12", true, true, 12},
        {"+12", true, true, 12},
        {"-12", true, true, -12},
        {std::string(62, '0') + "12", true, true, 12},
        {"2147483647", true, true, INT_MAX},
        {"-2147483648", true, true, INT_MIN},
        {"2147483648", false, true, INT_MAX},
        {"-2147483649", false, true, INT_MIN},
        {std::string(80, '9'), false, true, INT_MAX},
        {"", false, false, kUntouched},
        {"-", false, false, kUntouched},
        {"+-1", false, false, kUntouched},
        {"12abc", false, false, kUntouched},
        {" 12", false, false, kUntouched},
        {"12 ", false, false, kUntouched},
        {std::string("12") + '\0' + "3", false, false, kUntouched},
    };
    for (const Case &c : cases) {
        int refused = kUntouched, clamped = kUntouched;
        EXPECT_EQ(ParseInt(c.token.data(), c.token.size(), RefuseOutOfRange, &refused), c.refused)
            << c.token;
        EXPECT_EQ(ParseInt(c.token.data(), c.token.size(), ClampOutOfRange, &clamped), c.clamped)
            << c.token;
        EXPECT_EQ(refused, c.refused ? c.value : kUntouched) << c.token;
        EXPECT_EQ(clamped, c.value) << c.token;
    }
}

// The prefix and stream readers stop at the first byte that is not part of the number.
TEST(NumreadTest, PrefixAndStreamReadersStopAfterTheDigits) {
    struct Case {
        std::string text;
        size_t span;  // 0: no number
        int value;
        std::string rest;  // what the stream reader leaves unread
    } cases[] = {
        {"42 x", 2, 42, " x"}, {"-0007,", 5, -7, ","}, {"99999999999", 11, INT_MAX, ""},
        {"-x", 0, 0, "x"},     {"x1", 0, 0, "x1"},
    };
    for (const Case &c : cases) {
        int value = 0;
        EXPECT_EQ(ParseIntPrefix(c.text.data(), c.text.size(), &value), c.span) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
        FILE *in = fmemopen(const_cast<char *>(c.text.data()), c.text.size(), "r");
        int scanned = 0;
        EXPECT_EQ(ScanInt(in, &scanned), c.span > 0) << c.text;
        EXPECT_EQ(scanned, c.value) << c.text;
        std::string rest;
        for (int ch; (ch = fgetc(in)) != EOF;)
            rest += static_cast<char>(ch);
        EXPECT_EQ(rest, c.rest) << c.text;
        fclose(in);
    }
}

TEST(NumreadTest, ReadWordTakesWordsOfAnyLength) {
    std::string text = "  a\t" + std::string(5000, 'w') + std::string("\n1\0002 \n", 6);
    FILE *in = fmemopen(text.data(), text.size(), "r");
    wordT word = {};
    std::vector<std::string> words;
    while (ReadWord(in, &word) > 0)
        words.emplace_back(word.text, word.length);
    EXPECT_EQ(words,
              (std::vector<std::string>{"a", std::string(5000, 'w'), std::string("1\0002", 3)}));
    free(word.text);
    fclose(in);
}

}  // namespace
