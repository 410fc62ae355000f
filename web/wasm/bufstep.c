/*
 * The buffers page's own entry to bufdemo: the same command loop body (bufdemo.c, included
 * whole, its main unused), one line a call, so that the page keeps each module's buffer between
 * commands instead of running every command again from the start. A WASI reactor: the page
 * calls _initialize once, step_start, then a step_command for each line it has written to
 * step_line(). Between calls every bit of the state is in linear memory, so a copy of the memory
 * is the whole state at that step.
 */
#include <stdio.h>

int bufdemo_main(int argc, char **argv);
#define main bufdemo_main
#include "buffers/bufdemo.c"
#undef main

#define STEP_EXPORT(name) __attribute__((export_name(name)))

char *StepLine(void) STEP_EXPORT("step_line");
void StepStart(void) STEP_EXPORT("step_start");
void StepCommand(int inside) STEP_EXPORT("step_command");
int StepRecords(void) STEP_EXPORT("step_records");
void StepDraw(void) STEP_EXPORT("step_draw");

static bufferADT buffer;
static char line[256];

/* Where the page writes the next command, NUL-terminated, as bufdemo's fgets would leave it
 * without its line end. */
char *StepLine(void) {
    return line;
}

void StepStart(void) {
    buffer = NewBuffer();
}

/* What bufdemo's loop does with one line that is neither empty nor Q (the page sends neither);
 * with inside, as bufdemo -i. */
void StepCommand(int inside) {
    viewT text = NewView(stdout, NULL);
    printf("> %s\n", line);
    RunCommand(buffer, line, inside ? &text : NULL);
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
