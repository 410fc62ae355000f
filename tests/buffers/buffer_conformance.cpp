// The behaviour every buffer module shares, run once against each module. The module under test
// is chosen at link time; BUFFER_CAPACITY (0 for none) and BUFFER_REPORTS_ENDS describe the two
// documented differences between modules.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "buffers/buffer.h"
#include "capture_stdout.h"
#include "soak.h"

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
    // One command of the bundled editor loop's language.
    void Apply(const std::string &step) {
        switch (step[0]) {
            case 'I':
                Type(step.substr(1));
                break;
            case 'F':
                MoveCursorForward(buffer_);
                break;
            case 'B':
                MoveCursorBackward(buffer_);
                break;
            case 'J':
                MoveCursorToStart(buffer_);
                break;
            case 'E':
                MoveCursorToEnd(buffer_);
                break;
            case 'D':
                DeleteCharacter(buffer_);
                break;
            default:
                FAIL() << "unknown step " << step;
        }
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

// Scripted edits in the command letters of the bundled editor loop: I<text> types, F/B step,
// J/E jump, D deletes. None steps past an end, so no module may print anything while they run;
// this catches spurious end messages at internal boundaries such as chunkrow's blocks.
TEST_F(BufferTest, ScriptedEditsGiveTheExpectedText) {
    struct Case {
        const char *name;
        std::vector<std::string> script;
        std::string text;
        size_t cursor;
    };
    auto repeat = [](std::vector<std::string> steps, int times) {
        std::vector<std::string> all;
        for (int i = 0; i < times; i++)
            all.insert(all.end(), steps.begin(), steps.end());
        return all;
    };
    auto join = [](std::initializer_list<std::vector<std::string>> parts) {
        std::vector<std::string> all;
        for (const auto &part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    };
    const Case cases[] = {
        {"typing at the start each time",
         {"Ia", "J", "Ib", "J", "Ic", "J", "Id", "J", "Ie", "J", "If"},
         "fedcba",
         1},
        {"typing inside the text", {"Iabcdefgh", "B", "B", "B", "B", "Ixyz"}, "abcdxyzefgh", 7},
        {"typing at one place in reverse",
         {"Iabcdefgh", "J", "F", "F", "I1", "B", "I2", "B", "I3", "B", "I4", "B", "I5", "B", "I6",
          "B"},
         "ab654321cdefgh",
         2},
        {"deleting everything from the start, then typing",
         join({{"Iabcdefghij", "J"}, repeat({"D"}, 10), {"Ixy"}}), "xy", 2},
        {"deleting everything backwards from the end",
         join({{"Iabcdefghij"}, repeat({"B", "D"}, 10)}), "", 0},
        {"deleting a run inside the text",
         join({{"Iabcdefghijkl", "J", "F", "F", "F"}, repeat({"D"}, 6)}), "abcjkl", 3},
        {"deleting the last character, then typing",
         {"Iabcdefghi", "B", "D", "Iz"},
         "abcdefghz",
         9},
        {"stepping forward over the whole text",
         join({{"Iabcdefghij", "J"}, repeat({"F"}, 9), {"D"}}), "abcdefghi", 9},
        {"stepping back over the whole text", join({{"Iabcdefghij"}, repeat({"B"}, 10), {"Ix"}}),
         "xabcdefghij", 1},
        {"mixed edits",
         {"Iabcdefgh", "B", "B", "B", "D", "Ix", "J", "D", "E", "B", "D", "Iyz"},
         "bcdexgyz",
         8},
        {"blanks and punctuation shown as they are", {"I a-b", "B", "I!"}, " a-!b", 4},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FreeBuffer(buffer_);
        buffer_ = NewBuffer();
        std::string printed = wb::CaptureStdout([&] {
            for (const std::string &step : c.script)
                Apply(step);
        });
        EXPECT_EQ(printed, "");
        EXPECT_EQ(Shown(), Display(c.text, c.cursor));
    }
}

// Long random sequences of all nine operations, compared with the model after every step. Each
// profile weighs the operations differently: balanced edits keep the text short and the cursor
// busy near both ends; growing edits build long texts; shrinking edits delete and jump a lot and
// now and then give the buffer back and start a fresh one.
TEST_F(BufferTest, RandomOperationsMatchModel) {
    enum Op { kForward, kBackward, kStart, kEnd, kInsert, kDelete, kRenew, kOps };
    struct Profile {
        const char *name;
        unsigned seed;
        int steps;
        int weight[kOps];
    };
    const Profile profiles[] = {
        {"balanced", 12345, 20000, {8, 8, 1, 1, 16, 16, 0}},
        {"growing", 99, 6000, {6, 6, 1, 1, 20, 4, 0}},
        {"shrinking", 2024, 12000, {4, 4, 3, 3, 10, 12, 1}},
    };
    for (const Profile &profile : profiles) {
        SCOPED_TRACE(profile.name);
        FreeBuffer(buffer_);
        buffer_ = NewBuffer();
        Model model;
        int total = 0;
        for (int w : profile.weight)
            total += w;
        srand(profile.seed);
        for (int step = 0; step < wb::Steps(profile.steps); step++) {
            int pick = rand() % total, op = 0;
            while (pick >= profile.weight[op])
                pick -= profile.weight[op++];
            std::string printed, expected;
            switch (op) {
                case kForward:
                    expected = model.Forward();
                    printed = Printed(MoveCursorForward);
                    break;
                case kBackward:
                    expected = model.Backward();
                    printed = Printed(MoveCursorBackward);
                    break;
                case kStart:
                    model.cursor = 0;
                    printed = Printed(MoveCursorToStart);
                    break;
                case kEnd:
                    model.cursor = model.text.size();
                    printed = Printed(MoveCursorToEnd);
                    break;
                case kInsert: {
                    if (kCapacity != 0 && model.text.size() == static_cast<size_t>(kCapacity))
                        break;
                    char ch = static_cast<char>('a' + rand() % 26);
                    model.Insert(ch);
                    printed = wb::CaptureStdout([&] { InsertCharacter(buffer_, ch); });
                    break;
                }
                case kDelete:
                    model.Delete();
                    printed = Printed(DeleteCharacter);
                    break;
                default:
                    model = Model();
                    printed = wb::CaptureStdout([&] {
                        FreeBuffer(buffer_);
                        buffer_ = NewBuffer();
                    });
            }
            ASSERT_EQ(printed, expected) << "step " << step;
            ASSERT_EQ(Shown(), Display(model.text, model.cursor)) << "step " << step;
        }
    }
}

}  // namespace
