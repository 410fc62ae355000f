// A buffer module against the model: the input is an edit script, and everything the module
// prints, its final display included, must match what the model says. Built once per module.
#include "streams.h"
#include "tests/buffers/edit_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    wb::EditModel model{BUFFER_CAPACITY, BUFFER_REPORTS_ENDS};
    std::string expected;
    std::string printed = wb::CaptureStdout([&] {
        bufferADT buffer = NewBuffer();
        for (size_t i = 0; i < size; i++)
            expected += wb::EditBoth(buffer, model, static_cast<char>(data[i]));
        DisplayBuffer(buffer);
        FreeBuffer(buffer);
    });
    if (printed != expected + model.Shown()) abort();
    return 0;
}
