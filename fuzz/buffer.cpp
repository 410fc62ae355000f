// A buffer module against the checker's model (check_lines.h): the input is an edit script
// (check/buffer_script.h), run as bufdemo runs its commands, and everything printed, echoes and
// displays, must be what the model says. Built once per module, with its declared traits.
#include <string>
#include <vector>

#include "check/buffer_script.h"
#include "check/script.h"
#include "check_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string script(reinterpret_cast<const char *>(data), size);
    script = script.substr(0, script.find('\0'));
    textT text = {};
    EditScriptLines(script.c_str(), BUFFER_CAPACITY, &text);
    scriptT commands = {};
    ScriptAddLines(&commands, TextString(&text));
    std::vector<std::string> lines;
    for (long i = 0; i < commands.count; i++)
        lines.push_back(ScriptLine(&commands, i));
    ScriptFree(&commands);
    TextFree(&text);
    wb::CheckLines(BufferInterface, BufferClient, {BUFFER_CAPACITY, BUFFER_REPORTS_ENDS}, lines);
    return 0;
}
