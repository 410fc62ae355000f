// The rectangles dialogue on any answers: it reads to the end of them, and the overlap test it
// feeds gives the same verdict both ways round, whatever doubles come back.
#include "records/rectangles_read.h"
#include "streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    wb::InputFrom input(data, size);
    RectT a = {0.0, 0.0, 0, 0.0, 0.0}, b = a;
    wb::CaptureStdout([&] { askRectangles(&a, &b); });
    if (chk_overlap(&a, &b) != chk_overlap(&b, &a)) abort();
    return 0;
}
