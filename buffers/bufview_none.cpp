/* The drawing of a module declared without a view: bufdemo -i and -j say that there is none,
 * so that a new module runs behind bufdemo before anyone has written its picture. */
#include "buffers/bufview.h"

void DrawBuffer(bufferADT, viewT *view) {
    ViewOpen(view, nullptr, '{');
    DrawHeading(view, BUFFER_MODULE, "none");
    ViewText(view, "  no drawing: %s has no view of its records\n", BUFFER_MODULE);
    ViewClose(view);
}
