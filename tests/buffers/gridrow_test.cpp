// What only the array buffer has: its capacity of 100 characters. Also checks the C client.
#include <gtest/gtest.h>

#include "buffers/buffer.h"
#include "capture_stdout.h"
#include "run_program.h"

namespace {

TEST(GridrowTest, HoldsOneHundredCharacters) {
    bufferADT buffer = NewBuffer();
    for (int i = 0; i < 100; i++)
        InsertCharacter(buffer, static_cast<char>('0' + i % 10));
    std::string shown = wb::CaptureStdout([&] { DisplayBuffer(buffer); });
    EXPECT_EQ(shown.size(), 200u + 1u + 200u + 2u);
    MoveCursorToStart(buffer);
    DeleteCharacter(buffer);
    InsertCharacter(buffer, '0');  // room again after a deletion
    FreeBuffer(buffer);
}

TEST(GridrowDeathTest, HundredAndFirstCharacterEndsProgram) {
    bufferADT buffer = NewBuffer();
    for (int i = 0; i < 100; i++)
        InsertCharacter(buffer, 'x');
    EXPECT_EXIT(InsertCharacter(buffer, 'y'), ::testing::ExitedWithCode(1),
                "^Buffer size exceeded\n$");
    FreeBuffer(buffer);
}

// The bundled editor loop is plain C linked by the C driver against the archive.
TEST(GridrowTest, CClientRunsCommands) {
    wb::RunResult run = wb::RunProgram("bufdemo-gridrow", {.input = "Iabc\nJ\nF\nE\nX\nQ\nIz\n"});
    EXPECT_EQ(run.out,
              "> Iabc\n a b c\n      ^\n"
              "> J\n a b c\n^\n"
              "> F\n a b c\n  ^\n"
              "> E\n a b c\n      ^\n"
              "> X\nUnknown command 'X'\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
}

}  // namespace
