/*
 * charstack.h: an unbounded stack of characters.
 *
 * The stack grows as needed (a push costs amortised constant time) and takes its memory from
 * GetBlock, so running out of memory ends the program there. The caller owns a stack from
 * NewStack until FreeStack.
 */
#ifndef WORKBENCH_SUPPORT_CHARSTACK_H
#define WORKBENCH_SUPPORT_CHARSTACK_H

#include "support/genlib.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef char stackElementT;

typedef struct stackCDT *stackADT;

/* Returns a new empty stack. Never returns null. */
stackADT NewStack(void);

/* Frees the stack and any elements still in it; the handle is dead afterwards. */
void FreeStack(stackADT stack);

/* Puts element on top. Cannot fail short of memory running out (then GetBlock ends the program). */
void Push(stackADT stack, stackElementT element);

/* Removes and returns the top element. On an empty stack it ends the program through Error. */
stackElementT Pop(stackADT stack);

/* TRUE when the stack holds no element, FALSE otherwise. */
bool StackIsEmpty(stackADT stack);

/* The number of elements in the stack. */
int StackDepth(stackADT stack);

/*
 * The element at index without removing it: 0 is the top (pushed last), depth - 1 the bottom
 * (pushed first). An index outside 0 .. depth - 1 ends the program through Error.
 */
stackElementT GetStackElement(stackADT stack, int index);

#ifdef __cplusplus
}
#endif

#endif
