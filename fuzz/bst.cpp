// The tree library against std::set (tree_model.h). Each byte is a step: its top two bits pick
// insert (twice as likely), delete or find, the rest is the key (wb::Value). Then every view of
// the tree must agree with the model; deleting every key gives all memory back.
#include "streams.h"
#include "tests/support/tree_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    wb::TreeModel model;
    std::string expected;
    std::string found = wb::CaptureStdout([&] {
        for (size_t i = 0; i < size; i++) {
            wb::TreeOp op = data[i] < 0x80   ? wb::kTreeInsert
                            : data[i] < 0xc0 ? wb::kTreeDelete
                                             : wb::kTreeFind;
            expected += model.Step(op, wb::Value(data[i]));
        }
    });
    if (found != expected || model.Mismatch() != "" || !model.Clear()) abort();
    return 0;
}
