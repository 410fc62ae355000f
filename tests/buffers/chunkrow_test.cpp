// What only the block-list buffer has: its blocks and offsets, the two end messages, and the
// blocks its deletions give back. Looks inside through the module's private record layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "buffers/chunkrow_internal.h"
#include "counted_blocks.h"
#include "edit_script.h"
#include "run_program.h"
#include "soak.h"

namespace {

const char kAtEnd[] = "Already at end bro!\n";
const char kAtStart[] = "Already at beginning bro!\n";

// Checks every structural invariant, then returns the blocks as their characters separated by
// "|", with "^" at the cursor block's offset: "abcd|e^" is the block abcd, then e with the cursor
// after it. Blocks other than the cursor block need no mark: their offsets follow from the
// invariant checked here.
std::string Layout(bufferADT buffer) {
    std::string layout;
    bool before_cursor = true, seen_cursor = false;
    blockT *prev = nullptr;
    for (blockT *block = buffer->first; block != nullptr; block = block->next) {
        EXPECT_EQ(block->prev, prev);
        EXPECT_GE(block->count, block == buffer->first ? 0 : 1) << layout;
        EXPECT_LE(block->count, BlockCapacity);
        if (block == buffer->cursor) {
            before_cursor = false;
            seen_cursor = true;
            EXPECT_GE(block->offset, 0);
            EXPECT_LE(block->offset, block->count);
        } else {
            EXPECT_EQ(block->offset, before_cursor ? block->count : 0) << layout;
        }
        if (prev != nullptr) layout += '|';
        for (int i = 0; i <= block->count; i++) {
            if (block == buffer->cursor && i == block->offset) layout += '^';
            if (i < block->count) layout += block->chars[i];
        }
        prev = block;
    }
    EXPECT_TRUE(seen_cursor);
    EXPECT_EQ(buffer->last, prev);
    if (buffer->first->count == 0) {
        EXPECT_EQ(buffer->first, buffer->last);
    }
    return layout;
}

// Scripts in the letters of edit_script.h; each row gives the blocks afterwards, what the
// script printed, and how many blocks the buffer holds (record included) at the end.
TEST(ChunkrowTest, EditsShapeTheBlocks) {
    struct Case {
        const char *name;
        const char *script;
        const char *layout;
        std::string printed;
        long blocks;
    };
    const Case cases[] = {
        {"new buffer", "", "^", "", 2},
        {"fifth character opens a block", "abcde", "abcd|e^", "", 3},
        {"ninth character opens a block", "abcdefghi", "abcd|efgh|i^", "", 4},
        {"two steps back from the end", "abcde<<", "abc^d|e", "", 3},
        {"forward from the end of a full block", "abcde<<>>", "abcd|e^", "", 3},
        {"forward step stops at the block end first", "abcde<<>", "abcd^|e", "", 3},
        {"steps back through a block start", "abcde<", "abcd|^e", "", 3},
        {"insert at the end of a full block inside the text", "abcde[>>>>x", "abcd|x^|e", "", 4},
        {"forward from x enters the block of e", "abcde[>>>>x>", "abcd|x|e^", "", 4},
        {"backward steps from the end pass through x", "abcde[>>>>x]<<<", "abc^d|x|e", "", 4},
        {"insert inside a block with room", "abc<x", "abx^c", "", 2},
        {"insert inside a full block splits it", "abcd<<x", "abx^|cd", "", 3},
        {"insert at the start of a full block", "abcd[x", "x^|abcd", "", 3},
        {"insert at the start, twice", "abcd[xy", "xy^|abcd", "", 3},
        {"typing at one place in reverse", "abcd[>1<2<3<4<5<", "a^54|321|bcd", "", 4},
        {"delete inside a block", "abcd<<#", "ab^d", "", 2},
        {"delete the first character of the next block", "abcdefg[>>>>#", "abcd^|fg", "", 3},
        {"delete that empties the next block", "abcde[>>>>#", "abcd^", "", 2},
        {"delete that empties the cursor block", "abcde<#", "abcd^", "", 2},
        {"delete that empties the first block", "abcd[x<#", "^abcd", "", 2},
        {"delete that empties a middle block", "abcde[>>>>x<#", "abcd^|e", "", 3},
        {"delete everything", "abcdefghi[#########", "^", "", 2},
        {"delete at the end changes nothing", "abcde#", "abcd|e^", "", 3},
        {"type after emptying", "abcdefghi[#########xyz", "xyz^", "", 2},
        {"jump to the start", "abcdefghi[", "^abcd|efgh|i", "", 4},
        {"jump to the end", "abcdefghi[]", "abcd|efgh|i^", "", 4},
        {"jumps from inside blocks", "abcdefghi<<<<<[>>]", "abcd|efgh|i^", "", 4},
        {"forward on a new buffer", ">", "^", kAtEnd, 2},
        {"backward on a new buffer", "<", "^", kAtStart, 2},
        {"forward at the end", "abcde>", "abcd|e^", kAtEnd, 3},
        {"backward at the start", "abcde[<", "^abcd|e", kAtStart, 3},
        {"messages repeat, jumps stay silent", "ab>>[<<]", "ab^",
         std::string(kAtEnd) + kAtEnd + kAtStart + kAtStart, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        long before = wb::LiveBlocks();
        bufferADT buffer = NewBuffer();
        EXPECT_EQ(wb::Edit(buffer, c.script), c.printed);
        EXPECT_EQ(Layout(buffer), c.layout);
        EXPECT_EQ(wb::LiveBlocks() - before, c.blocks);
        FreeBuffer(buffer);
        EXPECT_EQ(wb::LiveBlocks(), before);
    }
}

// Long random edits: the invariants hold after every step and no step moves more than a block's
// worth of characters, so blocks never drift from the text they show.
TEST(ChunkrowTest, RandomEditsKeepTheInvariants) {
    const std::string steps = "<<>>[]####abcdefgh";
    srand(4242);
    long before = wb::LiveBlocks();
    bufferADT buffer = NewBuffer();
    std::string text;
    const int kSteps = wb::Steps(20000);
    for (int step = 0; step < kSteps; step++) {
        std::string one(1, steps[static_cast<size_t>(rand()) % steps.size()]);
        wb::Edit(buffer, one);
        std::string layout = Layout(buffer);
        ASSERT_FALSE(::testing::Test::HasFailure()) << "step " << step << ": " << layout;
        long blocks = static_cast<long>(std::count(layout.begin(), layout.end(), '|')) + 1;
        ASSERT_EQ(wb::LiveBlocks() - before, blocks + 1) << "step " << step;
    }
    FreeBuffer(buffer);
    EXPECT_EQ(wb::LiveBlocks(), before);
}

// The bundled C editor loop linked with this module shows the messages in line with the
// displays, on standard output.
TEST(ChunkrowTest, EditorLoopShowsEndMessages) {
    wb::RunResult run =
        wb::RunProgram("bufdemo-chunkrow", {.input = "F\nB\nIabcde\nF\nB\nB\nF\nF\nJ\nB\nE\nQ\n"});
    EXPECT_EQ(run.out,
              "> F\nAlready at end bro!\n\n^\n"
              "> B\nAlready at beginning bro!\n\n^\n"
              "> Iabcde\n a b c d e\n          ^\n"
              "> F\nAlready at end bro!\n a b c d e\n          ^\n"
              "> B\n a b c d e\n        ^\n"
              "> B\n a b c d e\n      ^\n"
              "> F\n a b c d e\n        ^\n"
              "> F\n a b c d e\n          ^\n"
              "> J\n a b c d e\n^\n"
              "> B\nAlready at beginning bro!\n a b c d e\n^\n"
              "> E\n a b c d e\n          ^\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
}

}  // namespace
