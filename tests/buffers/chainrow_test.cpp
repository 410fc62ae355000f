// What only the singly linked buffer has: its cells, the cursor cell, and cells freed one by
// one. Looks inside through the module's private record layout.
#include <gtest/gtest.h>

#include <string>

#include "buffers/chainrow_internal.h"
#include "counted_blocks.h"
#include "edit_script.h"

namespace {

// The cells after the dummy cell, with "^" after the cursor cell ("^" first for the dummy).
std::string Walk(bufferADT buffer) {
    std::string walk = buffer->cursor == buffer->start ? "^" : "";
    for (cellT *cell = buffer->start->link; cell != nullptr; cell = cell->link) {
        walk += cell->ch;
        if (cell == buffer->cursor) walk += '^';
    }
    return walk;
}

// Scripts in the letters of edit_script.h; each row gives the cell walk afterwards and how many
// blocks the buffer holds: the record, the dummy cell and one cell per character.
TEST(ChainrowTest, EditsLinkAndUnlinkCells) {
    struct Case {
        const char *name;
        const char *script;
        const char *walk;
        long blocks;
    };
    const Case cases[] = {
        {"new buffer holds only the dummy cell", "", "^", 2},
        {"step back puts the cursor on b", "abc<", "ab^c", 5},
        {"insert after b", "abc<x", "abx^c", 6},
        {"step back from the first character reaches the dummy cell", "a<", "^a", 3},
        {"step back to the start of a longer text", "abc<<<", "^abc", 5},
        {"delete at the start frees the cell of a", "abc[#", "^bc", 4},
        {"delete in the middle", "abcd<<<#", "a^cd", 5},
        {"delete at the end changes nothing", "abc#", "abc^", 5},
        {"step back at the start changes nothing", "abc[<", "^abc", 5},
        {"jump to the end walks the rest", "abc[>]", "abc^", 5},
        {"delete everything", "abc[###", "^", 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        long before = wb::LiveBlocks();
        bufferADT buffer = NewBuffer();
        EXPECT_EQ(wb::Edit(buffer, c.script), "");
        EXPECT_EQ(Walk(buffer), c.walk);
        EXPECT_EQ(wb::LiveBlocks() - before, c.blocks);
        FreeBuffer(buffer);
        EXPECT_EQ(wb::LiveBlocks(), before);  // every cell, the dummy cell and the record
    }
}

}  // namespace
