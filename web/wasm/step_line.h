/*
 * step_line.h: the input line of a reactor the page steps a line at a time (bufstep.c, the Lab's
 * web/lab/lab_step.c). The page asks step_line(length) where to write a line of that many bytes,
 * writes them and a NUL there, then calls the reactor's command: of any length, as the clients
 * read a line without its line end.
 */
#ifndef WORKBENCH_WEB_WASM_STEP_LINE_H
#define WORKBENCH_WEB_WASM_STEP_LINE_H

/* Where the page writes the next line, of length bytes and a NUL; the program ends (abort) when
 * there is no memory for it. */
char *StepLine(int length) __attribute__((export_name("step_line")));

/* The line the page wrote last. */
const char *StepLineText(void);

#endif
