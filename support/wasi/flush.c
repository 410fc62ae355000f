/*
 * flush.c: lets the host of a WebAssembly program flush its standard output, so that a page
 * feeding a dialogue line by line can show each prompt before the line typed after it, as a
 * terminal would. Exported, and linked into every program of the WebAssembly build.
 */
#include <stdio.h>

__attribute__((export_name("wb_flush_stdout"))) void wb_flush_stdout(void) {
    fflush(stdout);
}
