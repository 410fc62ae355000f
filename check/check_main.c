/*
 * The checker program's main for one interface, built once per interface (CHECK_INTERFACE and
 * CHECK_CLIENT name its model and client). Its anchor is linked whatever else is, so that a
 * module which defines a main of its own fails to link instead of running in the checker's
 * place.
 */
#include "check/checkmain.h"

#ifdef CHECK_BENCH
#include "check/bufbench.h"

static void Bench(traitsT traits, const char *name, FILE *out) {
    BenchBuffer(traits.capacity, name, out);
}
#define BENCH Bench
#else
#define BENCH NULL
#endif

const char CheckMainAnchor = 0;

int main(int argc, char **argv) {
    return CheckMain(argc, argv, &CHECK_INTERFACE, &CHECK_CLIENT, BENCH);
}
