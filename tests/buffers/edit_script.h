// The buffer tests' edit scripts (check/buffer_script.h), run on a module through bufdemo's own
// commands (check/buffer_client.h), so that the tests, the checker and bufdemo share one
// language.
#pragma once

#include <string>
#include <vector>

#include "buffers/buffer.h"
#include "capture_stdout.h"
#include "check/buffer_client.h"
#include "check/buffer_script.h"
#include "check/script.h"

namespace wb {

// The script's bufdemo commands.
inline std::vector<std::string> EditLines(const std::string &script) {
    textT lines = {};
    EditScriptLines(script.c_str(), 0, &lines);
    scriptT commands = {};
    ScriptAddLines(&commands, TextString(&lines));
    std::vector<std::string> out(commands.count);
    for (long i = 0; i < commands.count; i++)
        out[i] = ScriptLine(&commands, i);
    ScriptFree(&commands);
    TextFree(&lines);
    return out;
}

// Runs the commands on the buffer; what they print is the caller's to read.
inline void RunLines(bufferADT &buffer, const std::vector<std::string> &lines) {
    for (const std::string &line : lines)
        BufferCommand(&buffer, line.c_str());
}

// Runs the script's operations on the buffer and returns what they printed (no displays).
inline std::string Edit(bufferADT &buffer, const std::string &script) {
    std::vector<std::string> lines = EditLines(script);
    return CaptureStdout([&] { RunLines(buffer, lines); });
}

}  // namespace wb
