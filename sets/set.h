/*
 * set.h: a set of integers kept as an ascending array of at most 100 entries.
 *
 * Insertion does not test for membership, so a value inserted twice is held twice. Each set is
 * one GetBlock block that belongs to whoever received its handle; the module has no operation
 * that frees a set, so a client that wants the memory back gives the handle to FreeBlock.
 */
#ifndef WORKBENCH_SETS_SET_H
#define WORKBENCH_SETS_SET_H

#ifdef __cplusplus
extern "C" {
#endif

typedef int setElementT;

typedef struct setCDT *setADT;

/* Returns a new empty set. Never returns null. */
setADT NewSet(void);

/*
 * Adds E to S after every entry not greater than it and returns S. A set that already holds
 * 100 entries ends the program through Error("Set capacity exceeded"), unchanged.
 */
setADT setInsertElementSorted(setADT S, setElementT E);

/*
 * Prints S on standard output as "{", the entries separated by commas, and "}" ("{}" when
 * empty), with no line end. name is accepted and not printed.
 */
void setPrint(setADT S, const char *name);

/*
 * Returns a new set holding, in ascending order, every entry of A that equals no entry of B
 * (as often as A holds it). A and B are unchanged.
 */
setADT setDifference(setADT A, setADT B);

#ifdef __cplusplus
}
#endif

#endif
