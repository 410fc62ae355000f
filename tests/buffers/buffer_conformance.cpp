// The behaviour every buffer module shares, run once against each module. The module under test
// is chosen at link time; BUFFER_CAPACITY (0 for none) and BUFFER_REPORTS_ENDS describe the two
// documented differences between modules.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "alloc_sweep.h"
#include "buffers/buffer.h"
#include "capture_stdout.h"
#include "edit_script.h"
#include "soak.h"

namespace {

constexpr int kCapacity = BUFFER_CAPACITY;
constexpr bool kReportsEnds = BUFFER_REPORTS_ENDS;

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
    EXPECT_EQ(Shown(), wb::Display("abc", 2));
    MoveCursorToEnd(buffer_);
    MoveCursorBackward(buffer_);
    InsertCharacter(buffer_, 'x');
    EXPECT_EQ(Shown(), wb::Display("abxc", 3));
}

TEST_F(BufferTest, DeleteRemovesCharacterAfterCursor) {
    Type("abc");
    MoveCursorToStart(buffer_);
    DeleteCharacter(buffer_);
    EXPECT_EQ(Shown(), wb::Display("bc", 0));
    MoveCursorToEnd(buffer_);
    DeleteCharacter(buffer_);
    EXPECT_EQ(Shown(), wb::Display("bc", 2));
    MoveCursorBackward(buffer_);
    DeleteCharacter(buffer_);
    DeleteCharacter(buffer_);
    EXPECT_EQ(Shown(), wb::Display("b", 1));
    MoveCursorToStart(buffer_);
    DeleteCharacter(buffer_);
    EXPECT_EQ(Shown(), wb::Display("", 0));
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
    EXPECT_EQ(Shown(), wb::Display("ab", 2));
    MoveCursorToStart(buffer_);
    EXPECT_EQ(Printed(MoveCursorBackward), kReportsEnds ? "Already at beginning bro!\n" : "");
    EXPECT_EQ(Shown(), wb::Display("ab", 0));
}

// Scripted edits in the letters of edit_script.h. None steps past an end, so no module may print
// anything while they run; this catches spurious end messages at internal boundaries such as
// chunkrow's blocks.
TEST_F(BufferTest, ScriptedEditsGiveTheExpectedText) {
    struct Case {
        const char *name;
        std::string script;
        std::string text;
        size_t cursor;
    };
    const Case cases[] = {
        {"typing at the start each time", "a[b[c[d[e[f", "fedcba", 1},
        {"typing inside the text", "abcdefgh<<<<xyz", "abcdxyzefgh", 7},
        {"typing at one place in reverse", "abcdefgh[>>1<2<3<4<5<6<", "ab654321cdefgh", 2},
        {"deleting everything from the start, then typing",
         "abcdefghij[" + std::string(10, '#') + "xy", "xy", 2},
        {"deleting everything backwards from the end", "abcdefghij<#<#<#<#<#<#<#<#<#<#", "", 0},
        {"deleting a run inside the text", "abcdefghijkl[>>>######", "abcjkl", 3},
        {"deleting the last character, then typing", "abcdefghi<#z", "abcdefghz", 9},
        {"stepping forward over the whole text", "abcdefghij[" + std::string(9, '>') + "#",
         "abcdefghi", 9},
        {"stepping back over the whole text", "abcdefghij" + std::string(10, '<') + "x",
         "xabcdefghij", 1},
        {"mixed edits", "abcdefgh<<<#x[#]<#yz", "bcdexgyz", 8},
        {"blanks and punctuation shown as they are", " a-b<!", " a-!b", 4},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FreeBuffer(buffer_);
        buffer_ = NewBuffer();
        EXPECT_EQ(wb::Edit(buffer_, c.script), "");
        EXPECT_EQ(Shown(), wb::Display(c.text, c.cursor));
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
        wb::EditModel model{kCapacity, kReportsEnds};
        int total = 0;
        for (int w : profile.weight)
            total += w;
        srand(profile.seed);
        for (int step = 0; step < wb::Steps(profile.steps); step++) {
            int pick = rand() % total, op = 0;
            while (pick >= profile.weight[op])
                pick -= profile.weight[op++];
            std::string printed, expected;
            if (op == kRenew) {
                model = wb::EditModel{kCapacity, kReportsEnds};
                printed = wb::CaptureStdout([&] {
                    FreeBuffer(buffer_);
                    buffer_ = NewBuffer();
                });
            } else if (op != kInsert || !model.Overflows('a')) {
                // The script letter of each operation; inserts draw their letter.
                char letter = op == kInsert ? static_cast<char>('a' + rand() % 26) : "><[]_#"[op];
                printed =
                    wb::CaptureStdout([&] { expected = wb::EditBoth(buffer_, model, letter); });
            }
            ASSERT_EQ(printed, expected) << "step " << step;
            ASSERT_EQ(Shown(), model.Shown()) << "step " << step;
        }
    }
}

// Every allocation of a new buffer and of typing into it, made to fail in turn, ends the program
// through GetBlock. The typing stays within gridrow's capacity and runs long enough for every
// other module to grow its storage more than once.
TEST(BufferAllocationTest, EveryFailureEndsThroughGetBlock) {
    wb::SweepResult sweep = wb::SweepAllocations(
        [] {
            bufferADT buffer = NewBuffer();
            for (char step : std::string(40, 'a') + "[" + std::string(40, 'b') + "<<#")
                wb::EditStep(buffer, step);
            FreeBuffer(buffer);
        },
        "Out of memory\n");
    EXPECT_EQ(sweep.failure, "");
    EXPECT_GT(sweep.allocations, 0);
}

}  // namespace
