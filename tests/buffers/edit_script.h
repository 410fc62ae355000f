// The one edit-script language of the buffer tests and the buffer fuzz target, and the plain
// model they compare a module with. Each character of a script is one operation:
//   <  MoveCursorBackward     >  MoveCursorForward
//   [  MoveCursorToStart      ]  MoveCursorToEnd
//   #  DeleteCharacter        anything else: InsertCharacter of that character
#pragma once

#include <cstddef>
#include <string>

#include "buffers/buffer.h"
#include "capture_stdout.h"

namespace wb {

// Applies one step of a script to the buffer.
inline void EditStep(bufferADT buffer, char step) {
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

// Applies the script to the buffer and returns what the operations printed.
inline std::string Edit(bufferADT buffer, const std::string &script) {
    return CaptureStdout([&] {
        for (char step : script)
            EditStep(buffer, step);
    });
}

// What DisplayBuffer must print for a text with the cursor at the given position.
inline std::string Display(const std::string &text, size_t cursor) {
    std::string out;
    for (char ch : text)
        out += std::string(" ") + ch;
    return out + "\n" + std::string(2 * cursor, ' ') + "^\n";
}

// A buffer as a string and a cursor. capacity (0 for none) and reports_ends describe the two
// documented differences between modules: gridrow's fixed size and chunkrow's end messages.
struct EditModel {
    size_t capacity = 0;
    bool reports_ends = false;
    std::string text;
    size_t cursor = 0;

    // True when the step would overfill a module with a capacity, which ends the program.
    bool Overflows(char step) const {
        return capacity != 0 && text.size() >= capacity &&
               std::string("<>[]#").find(step) == std::string::npos;
    }
    // Applies one step and returns what the module prints for it.
    std::string Step(char step) {
        switch (step) {
            case '<':
                if (cursor > 0) return cursor--, "";
                return reports_ends ? "Already at beginning bro!\n" : "";
            case '>':
                if (cursor < text.size()) return cursor++, "";
                return reports_ends ? "Already at end bro!\n" : "";
            case '[':
                cursor = 0;
                break;
            case ']':
                cursor = text.size();
                break;
            case '#':
                if (cursor < text.size()) text.erase(cursor, 1);
                break;
            default:
                text.insert(cursor++, 1, step);
        }
        return "";
    }
    std::string Shown() const { return Display(text, cursor); }
};

// One step of the random test and the fuzz target, on a module's buffer and the model alike:
// returns what the module must print for it; skips a step that would overfill a module.
inline std::string EditBoth(bufferADT buffer, EditModel &model, char step) {
    if (model.Overflows(step)) return "";
    EditStep(buffer, step);
    return model.Step(step);
}

}  // namespace wb
