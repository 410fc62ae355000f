/* A C client of an installed buffer module: the same source links against any of the four. */
#include <buffers/buffer.h>
#include <support/genlib.h>

int main(void) {
    bufferADT buffer = NewBuffer();
    DisplayBuffer(buffer);
    InsertCharacter(buffer, 'a');
    InsertCharacter(buffer, 'b');
    InsertCharacter(buffer, 'c');
    MoveCursorToStart(buffer);
    MoveCursorForward(buffer);
    DisplayBuffer(buffer);
    MoveCursorToEnd(buffer);
    DisplayBuffer(buffer);
    FreeBuffer(buffer);
    return 0;
}
