// A buffer module against the checker's model: the input is an edit script
// (check/buffer_script.h), run as bufdemo runs its commands, and everything printed, echoes and
// displays, must be what the model says. Built once per module, with its declared traits.
#include "check/buffer_client.h"
#include "check/buffer_script.h"
#include "check/check.h"
#include "streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string script(reinterpret_cast<const char *>(data), size);
    script = script.substr(0, script.find('\0'));
    textT lines = {};
    EditScriptLines(script.c_str(), BUFFER_CAPACITY, &lines);
    scriptT commands = {};
    ScriptAddLines(&commands, TextString(&lines));
    modelT *model = BufferInterface.NewModel({BUFFER_CAPACITY, BUFFER_REPORTS_ENDS});
    expectT expect = {};
    std::string expected;
    std::string printed = wb::CaptureStdout([&] {
        bufferADT buffer = NewBuffer();
        for (long i = 0; i < commands.count; i++) {
            ClearExpect(&expect);
            BufferInterface.Step(model, ScriptLine(&commands, i), &expect);
            expected.append(TextString(&expect.out), expect.out.n);
            BufferLine(&buffer, ScriptLine(&commands, i));
        }
        FreeBuffer(buffer);
    });
    BufferInterface.FreeModel(model);
    FreeExpect(&expect);
    ScriptFree(&commands);
    TextFree(&lines);
    if (printed != expected) abort();
    return 0;
}
