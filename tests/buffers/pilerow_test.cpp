// What only the two-stack buffer has: the contents of its two stacks, and stacks freed with the
// buffer. Looks inside through the module's private record layout.
#include <gtest/gtest.h>

#include <string>

#include "buffers/pilerow_internal.h"
#include "counted_blocks.h"
#include "edit_script.h"

namespace {

// A stack's elements from the top down.
std::string FromTop(stackADT stack) {
    std::string elements;
    for (int i = 0; i < StackDepth(stack); i++)
        elements += GetStackElement(stack, i);
    return elements;
}

// Scripts in the letters of edit_script.h; each row gives both stacks afterwards, top first.
TEST(PilerowTest, EditsMoveCharactersBetweenStacks) {
    struct Case {
        const char *name;
        const char *script;
        const char *before;
        const char *after;
    };
    const Case cases[] = {
        {"new buffer", "", "", ""},
        {"typing leaves the last character on top", "abc", "cba", ""},
        {"jump to the start", "abc[", "", "abc"},
        {"jump back to the end", "abc[]", "cba", ""},
        {"insert after one step back", "abc<x", "xba", "c"},
        {"delete after the cursor", "abc[>#", "a", "c"},
        {"delete and step forward at the end", "abc#>", "cba", ""},
        {"step back and jump at the start", "abc[<[", "", "abc"},
        {"delete everything", "abc[###", "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        bufferADT buffer = NewBuffer();
        EXPECT_EQ(wb::Edit(buffer, c.script), "");
        EXPECT_EQ(FromTop(buffer->before), c.before);
        EXPECT_EQ(FromTop(buffer->after), c.after);
        FreeBuffer(buffer);
    }
}

// Both stacks, each with its storage, and the record go back to FreeBlock, text or no text.
TEST(PilerowTest, FreeBufferFreesBothStacksWithTheirCharacters) {
    for (const char *script : {"", "abc<", "abcdefghijklmnopqrstuvwxyz0123456789[>>>"}) {
        SCOPED_TRACE(script);
        long before = wb::LiveBlocks();
        bufferADT buffer = NewBuffer();
        wb::Edit(buffer, script);
        EXPECT_GT(wb::LiveBlocks(), before);
        FreeBuffer(buffer);
        EXPECT_EQ(wb::LiveBlocks(), before);
    }
}

}  // namespace
