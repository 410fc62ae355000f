// The dictionary with the clock and the generator under control: a draw of k picks the word at
// k modulo the word count, so every loaded word, its order and the exact count can be checked.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "fixed_chance.h"
#include "word_files.h"
#include "words/lotdraw.h"

namespace {

std::string Draw(int value) {
    wb::nextDraw = value;
    return ChooseRandomWord();
}

// Every word at its index, and nothing beyond: draws of n and RAND_MAX wrap around n words.
void ExpectWords(const std::vector<std::string> &expected) {
    const int n = static_cast<int>(expected.size());
    for (int k = 0; k < n; k++)
        ASSERT_EQ(Draw(k), expected[static_cast<size_t>(k)]) << "word " << k;
    EXPECT_EQ(Draw(n), expected[0]);
    EXPECT_EQ(Draw(2 * n - 1), expected.back());
    EXPECT_EQ(Draw(RAND_MAX), expected[static_cast<size_t>(RAND_MAX % n)]);
}

std::vector<std::string> Numbered(int count) {
    std::vector<std::string> words;
    for (int i = 0; i < count; i++)
        words.push_back(wb::NumberedWord(i));
    return words;
}

struct WordFileCase {
    const char *name;
    std::string contents;
    std::vector<std::string> words;
};

TEST(LotdrawDrawTest, LoadsEveryWordInFileOrder) {
    const std::string longest(1023, 'q');
    const std::string longer(1024, 'r');
    const std::string huge(5000, 's');
    const WordFileCase cases[] = {
        {"blank, empty and indented lines", "cat dog\n\n  bird\n", {"cat", "dog", "bird"}},
        {"every kind of white space", "a\tb\r\nc\vd\fe  \t f", {"a", "b", "c", "d", "e", "f"}},
        {"no final line end", "\n\n   only", {"only"}},
        {"words stored unchanged", "Don't STOP 42x -- ü", {"Don't", "STOP", "42x", "--", "ü"}},
        {"a word of 1023 characters", "x " + longest + " y", {"x", longest, "y"}},
        {"a word of 1024 characters", longer + "\n" + longest, {longer, longest}},
        {"a word of 5000 characters", "a\n" + huge, {"a", huge}},
        {"the same word twice", "echo echo", {"echo", "echo"}},
    };
    for (const WordFileCase &c : cases) {
        SCOPED_TRACE(c.name);
        wb::LoadWords(c.contents);
        ExpectWords(c.words);
    }
    free_all();
}

// Around the first table size (1023 words and the end marker) and well past it.
TEST(LotdrawDrawTest, LoadsFilesOfAnyNumberOfWords) {
    for (int count : {1, 1022, 1023, 1024, 1025, 1500, 5000}) {
        SCOPED_TRACE(count);
        wb::LoadWords(wb::NumberedWords(count));
        ExpectWords(Numbered(count));
    }
    free_all();
}

TEST(LotdrawDrawTest, SeedsFromTheClockOnEveryCall) {
    wb::LoadWords("one two three");
    wb::seeds.clear();
    wb::clockSeconds = 1000;
    Draw(0);
    wb::clockSeconds = 1001;
    Draw(0);
    Draw(0);
    EXPECT_EQ(wb::seeds, (std::vector<unsigned>{1000, 1001, 1001}));
    free_all();
}

TEST(LotdrawDrawTest, SecondLoadReplacesTheFirst) {
    wb::LoadWords("a1 a2 a3 a4");
    wb::LoadWords("b1 b2");  // the sanitizer build reports the first table if it is not released
    ExpectWords({"b1", "b2"});
    free_all();
}

TEST(LotdrawDrawTest, LoadsAgainAfterFreeAll) {
    wb::LoadWords("first");
    free_all();
    free_all();  // releasing an empty dictionary does nothing
    wb::LoadWords("second third");
    ExpectWords({"second", "third"});
    free_all();
}

}  // namespace
