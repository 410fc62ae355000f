/*
 * The buffers page's own entry to bufdemo: the same command language (check/buffer_client.h),
 * one line a call, so that the page keeps each module's buffer between commands instead of
 * running every command again from the start. A WASI reactor: the page calls _initialize once,
 * step_start, then a step_command for each line it has written to step_line(length). Between
 * calls every bit of the state is in linear memory, so a copy of the memory is the whole state
 * at that step.
 */
#include <stdio.h>

#include "buffers/buffer.h"
#include "buffers/bufview.h"
#include "check/buffer_client.h"
#include "web/wasm/step_line.h"

#define STEP_EXPORT(name) __attribute__((export_name(name)))

void StepStart(void) STEP_EXPORT("step_start");
void StepCommand(int inside) STEP_EXPORT("step_command");
int StepRecords(void) STEP_EXPORT("step_records");
void StepDraw(void) STEP_EXPORT("step_draw");

static bufferADT buffer;

void StepStart(void) {
    buffer = NewBuffer();
}

/* What bufdemo's loop does with one line that does not start with Q (the page ends the run
 * itself there); with inside, as bufdemo -i. */
void StepCommand(int inside) {
    viewT text = NewView(stdout, NULL);
    if (BufferLine(&buffer, StepLineText()) && inside) DrawBuffer(buffer, &text);
    fflush(stdout);
}

/* The records as bufdemo -j FILE writes them at the end of its input, to records.json. Returns
 * 0, or 1 when the file cannot be written. */
int StepRecords(void) {
    FILE *data = fopen("records.json", "w");
    if (data == NULL) return 1;
    viewT view = NewView(NULL, data);
    DrawBuffer(buffer, &view);
    return fclose(data) != 0;
}

/* The records as bufdemo -i draws them after a display, on standard output. */
void StepDraw(void) {
    viewT text = NewView(stdout, NULL);
    DrawBuffer(buffer, &text);
    fflush(stdout);
}
