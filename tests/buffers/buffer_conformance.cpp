// The behaviour every buffer module shares, run once against each module. The module under test
// is chosen at link time; BUFFER_CAPACITY (0 for none) and BUFFER_REPORTS_ENDS describe the two
// documented differences between modules.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "buffers/buffer.h"
#include "run_program.h"

namespace {

constexpr int kCapacity = BUFFER_CAPACITY;
constexpr bool kReportsEnds = BUFFER_REPORTS_ENDS;

// What DisplayBuffer must print for a text with the cursor at the given position.
std::string Display(const std::string &text, size_t cursor) {
    std::string out;
    for (char ch : text)
        out += std::string(" ") + ch;
    return out + "\n" + std::string(2 * cursor, ' ') + "^\n";
}

// A plain model of the buffer: the text and the cursor, plus what a step prints.
struct Model {
    std::string text;
    size_t cursor = 0;

    std::string Forward() {
        if (cursor < text.size()) {
            cursor++;
            return "";
        }
        return kReportsEnds ? "Already at end bro!\n" : "";
    }
    std::string Backward() {
        if (cursor > 0) {
            cursor--;
            return "";
        }
        return kReportsEnds ? "Already at beginning bro!\n" : "";
    }
    void Insert(char ch) { text.insert(cursor++, 1, ch); }
    void Delete() {
        if (cursor < text.size()) text.erase(cursor, 1);
    }
};

class BufferTest : public ::testing::Test {
   protected:
    void TearDown() override { FreeBuffer(buffer_); }

    void Type(const std::string &text) {
        for (char ch : text)
            InsertCharacter(buffer_, ch);
    }
    std::string Shown() {
        return wb::CaptureStdout([&] { DisplayBuffer(buffer_); });
    }
    std::string Printed(void (*operation)(bufferADT)) {
        return wb::CaptureStdout([&] { operation(buffer_); });
    }

    bufferADT buffer_ = NewBuffer();
};

TEST_F(BufferTest, NewBufferShowsEmptyLineAndCaret) {
    EXPECT_EQ(Shown(), "\n^\n");
}

TEST_F(BufferTest, DisplaysTextAndCaretColumn) {
    Type("abc");
    EXPECT_EQ(Shown(), " a b c\n      ^\n");
    MoveCursorToStart(buffer_);
    MoveCursorForward(buffer_);
    EXPECT_EQ(Shown(), " a b c\n  ^\n");
    MoveCursorToEnd(buffer_);
    EXPECT_EQ(Shown(), " a b c\n      ^\n");
}

TEST_F(BufferTest, InsertInMiddleKeepsOrder) {
    Type("ac");
    MoveCursorBackward(buffer_);
    InsertCharacter(buffer_, 'b');
    EXPECT_EQ(Shown(), Display("abc", 2));
    MoveCursorToEnd(buffer_);
    MoveCursorBackward(buffer_);
    InsertCharacter(buffer_, 'x');
    EXPECT_EQ(Shown(), Display("abxc", 3));
}

TEST_F(BufferTest, DeleteRemovesCharacterAfterCursor) {
    Type("abc");
    MoveCursorToStart(buffer_);
    DeleteCharacter(buffer_);
    EXPECT_EQ(Shown(), Display("bc", 0));
    MoveCursorToEnd(buffer_);
    DeleteCharacter(buffer_);
    EXPECT_EQ(Shown(), Display("bc", 2));
    MoveCursorBackward(buffer_);
    DeleteCharacter(buffer_);
    DeleteCharacter(buffer_);
    EXPECT_EQ(Shown(), Display("b", 1));
    MoveCursorToStart(buffer_);
    DeleteCharacter(buffer_);
    EXPECT_EQ(Shown(), Display("", 0));
}

TEST_F(BufferTest, JumpsPrintNothing) {
    Type("abcdefghij");
    EXPECT_EQ(Printed(MoveCursorToStart), "");
    EXPECT_EQ(Printed(MoveCursorToStart), "");
    EXPECT_EQ(Printed(MoveCursorToEnd), "");
    EXPECT_EQ(Printed(MoveCursorToEnd), "");
}

TEST_F(BufferTest, StepsPastEitherEndChangeNothing) {
    EXPECT_EQ(Printed(MoveCursorForward), kReportsEnds ? "Already at end bro!\n" : "");
    EXPECT_EQ(Printed(MoveCursorBackward), kReportsEnds ? "Already at beginning bro!\n" : "");
    Type("ab");
    EXPECT_EQ(Printed(MoveCursorForward), kReportsEnds ? "Already at end bro!\n" : "");
    EXPECT_EQ(Shown(), Display("ab", 2));
    MoveCursorToStart(buffer_);
    EXPECT_EQ(Printed(MoveCursorBackward), kReportsEnds ? "Already at beginning bro!\n" : "");
    EXPECT_EQ(Shown(), Display("ab", 0));
}

// Long random sequences of all operations, compared with the model after every step.
TEST_F(BufferTest, RandomOperationsMatchModel) {
    Model model;
    srand(12345);
    for (int step = 0; step < 20000; step++) {
        std::string printed, expected;
        switch (rand() % 8) {
            case 0:
                expected = model.Forward();
                printed = Printed(MoveCursorForward);
                break;
            case 1:
                expected = model.Backward();
                printed = Printed(MoveCursorBackward);
                break;
            case 2:
                if (rand() % 8 == 0) {
                    model.cursor = 0;
                    printed = Printed(MoveCursorToStart);
                }
                break;
            case 3:
                if (rand() % 8 == 0) {
                    model.cursor = model.text.size();
                    printed = Printed(MoveCursorToEnd);
                }
                break;
            case 4:
            case 5: {
                if (kCapacity != 0 && model.text.size() == static_cast<size_t>(kCapacity)) break;
                char ch = static_cast<char>('a' + rand() % 26);
                model.Insert(ch);
                printed = wb::CaptureStdout([&] { InsertCharacter(buffer_, ch); });
                break;
            }
            default:
                model.Delete();
                printed = Printed(DeleteCharacter);
        }
        ASSERT_EQ(printed, expected) << "step " << step;
        ASSERT_EQ(Shown(), Display(model.text, model.cursor)) << "step " << step;
    }
}

}  // namespace
