/*
 * lab_step: the entry of a module built in the Lab, with one interface's client (LAB_CLIENT, a
 * clientT of check/client.h) and the Lab's memory services (lab_memory.h). A WASI reactor the
 * page calls one input line at a time, as the checker runs a case and as the buffers view runs a
 * pane: _initialize once, lab_start, then lab_line for each line written to step_line(length)
 * (web/wasm/step_line.h),
 * and lab_finish at the end of input. After each call the page takes what it printed; a call that
 * ends the program (exit, Error, a memory fault) leaves lab_fault, lab_error and
 * lab_out_of_memory to say how.
 *
 * step_start and step_command are the buffers view's names for lab_start and lab_line.
 */
#include <stdio.h>

#include "check/client.h"
#include "web/lab/lab_memory.h"
#include "web/wasm/step_line.h"

void LabStart(void) LAB_EXPORT("lab_start");
void LabStepStart(void) LAB_EXPORT("step_start");
void LabEachLine(void) LAB_EXPORT("lab_line");
void LabStepCommand(int inside) LAB_EXPORT("step_command");
void LabFinish(void) LAB_EXPORT("lab_finish");

/* A module has no main: the client is its program. These are here so that a module which defines
 * one fails to link (a duplicate symbol), as it fails `workbench check`; a main that takes
 * arguments is __main_argc_argv to the WebAssembly linker. */
int main(void) {
    return 0;
}

int __main_argc_argv(int argc, char **argv) {
    (void)argc, (void)argv;
    return 0;
}

static void *state;

void LabStart(void) {
    state = LAB_CLIENT.Start();
    fflush(stdout);
    LabCheckAll();
}

void LabStepStart(void) {
    LabStart();
}

void LabEachLine(void) {
    LAB_CLIENT.Line(state, StepLineText());
    fflush(stdout);
    LabCheckAll();
}

/* The buffers view has no drawing of a module whose layout it does not know: inside is unused. */
void LabStepCommand(int inside) {
    (void)inside;
    LabEachLine();
}

/* The client gives back everything it holds (LAB_GIVEN_BACK says how, for the leak's report): no
 * block may be live after it. */
void LabFinish(void) {
    LAB_CLIENT.Finish(state);
    fflush(stdout);
    LabExpectEmpty(LAB_GIVEN_BACK);
}
