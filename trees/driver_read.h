/*
 * driver_read.h: the tree shell's command reader, in a unit of its own so that tests and fuzz
 * targets can call it on any input.
 */
#ifndef WORKBENCH_TREES_DRIVER_READ_H
#define WORKBENCH_TREES_DRIVER_READ_H

/*
 * Reads one command from standard input: the first non-blank character is the command, then an
 * optionally signed number after any white space, line ends included, is its key, clamped to
 * the int range. Without a number *key is left alone and the character met stays in the input,
 * to be read as the next command. Returns false, changing nothing, at the end of the input.
 */
bool ReadCommand(char *command, int *key);

#endif
