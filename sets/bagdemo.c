/*
 * bagdemo: fills two sets, A and B, from standard input and prints their differences.
 *
 * Each input line starts with the name of a set, A or B, followed by integers separated by white
 * space; each integer is inserted into that set and the set is printed after the insertion, as
 * "A + 5 = {5}". Blank lines are skipped. At the end of input it prints both sets and the
 * differences A - B and B - A. A line naming another set and a word that is not an integer are
 * reported on standard output and skipped. Three more commands reach the rest of the set's
 * operations: "P A" prints a set, "D A B" prints the difference A - B and "N A" makes A a new
 * empty set (check/set_client.h tells the whole language, which workbench check runs a set's
 * cases through).
 */
#include <stdio.h>

#include "check/client_loop.h"

int main(void) {
    return RunClient(&SetClient, stdin);
}
