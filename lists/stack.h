/*
 * stack.h: the one growable stack of integers of intstack.
 *
 * The storage starts with room for 10 integers and grows by 10 whenever a push finds it full;
 * it never shrinks. stack and top are shared by the program's units; top is -1 while the stack
 * is empty and count is always top + 1. A failed allocation ends the program with a message on
 * standard error and exit status 1, after releasing what was held.
 */
#ifndef WORKBENCH_LISTS_STACK_H
#define WORKBENCH_LISTS_STACK_H

#ifdef __cplusplus
extern "C" {
#endif

typedef struct nodeT {
    int *num;  /* the storage; num[0] is the bottom */
    int count; /* elements held */
    int len;   /* capacity of num in elements */
} node;

extern node *stack; /* the stack, from initStack until freeStack */
extern int top;     /* index of the top element, -1 when empty */

/* Allocates an empty stack with room for 10 into stack. */
void initStack(void);

/* Adds 10 to the capacity, keeping the contents, and prints the growth line. Returns null. */
node *growStack(void);

/* Releases the storage and the record; stack is null afterwards. */
void freeStack(void);

/* Number of elements held. */
int size(void);

/* 1 when no room is left before the next growth, else 0. */
int full(void);

/* 1 when the stack holds nothing, else 0. */
int empty(void);

/* Stores num on top, growing first when full. Always returns 1. */
int push(int num);

/* Removes and returns the top element; on an empty stack prints "Nothing to pop!!" and returns 0.
 */
int pop(void);

/* Prints "Number:<top element>" and a line end, or "Nothing to print"; n is not read. */
void printNode(node *n);

#ifdef __cplusplus
}
#endif

#endif
