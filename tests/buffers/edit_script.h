// Compact edit scripts for module tests: each character of a script is one operation.
//   <  MoveCursorBackward     >  MoveCursorForward
//   [  MoveCursorToStart      ]  MoveCursorToEnd
//   #  DeleteCharacter        anything else: InsertCharacter of that character
#pragma once

#include <string>

#include "buffers/buffer.h"
#include "capture_stdout.h"

namespace wb {

// Applies the script to the buffer and returns what the operations printed.
inline std::string Edit(bufferADT buffer, const std::string &script) {
    return CaptureStdout([&] {
        for (char step : script) {
            switch (step) {
                case '<':
                    MoveCursorBackward(buffer);
                    break;
                case '>':
                    MoveCursorForward(buffer);
                    break;
                case '[':
                    MoveCursorToStart(buffer);
                    break;
                case ']':
                    MoveCursorToEnd(buffer);
                    break;
                case '#':
                    DeleteCharacter(buffer);
                    break;
                default:
                    InsertCharacter(buffer, step);
            }
        }
    });
}

}  // namespace wb
