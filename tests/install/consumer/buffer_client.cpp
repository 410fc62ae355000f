// A C++ client of an installed buffer module.
#include <buffers/buffer.h>
#include <support/genlib.h>

#include <string_view>

int main() {
    bufferADT buffer = NewBuffer();
    DisplayBuffer(buffer);
    for (char ch : std::string_view("abc"))
        InsertCharacter(buffer, ch);
    MoveCursorToStart(buffer);
    MoveCursorForward(buffer);
    DisplayBuffer(buffer);
    MoveCursorToEnd(buffer);
    DisplayBuffer(buffer);
    FreeBuffer(buffer);
    return 0;
}
