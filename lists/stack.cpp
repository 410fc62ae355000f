/* stack: a stack of integers in an array that grows by a fixed step. */
#include "lists/stack.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

enum { InitialCapacity = 10, GrowthStep = 10 };

node *stack = nullptr;
int top = -1;

/* Ends the program on a failed allocation, releasing whatever the stack still holds. */
[[noreturn]] static void outOfMemory(const char *what) {
    fprintf(stderr, "intstack: out of memory %s\n", what);
    freeStack();
    exit(1);
}

void initStack(void) {
    stack = static_cast<node *>(malloc(sizeof(node)));
    if (stack == nullptr) outOfMemory("creating the stack");
    stack->num = static_cast<int *>(malloc(InitialCapacity * sizeof(int)));
    if (stack->num == nullptr) outOfMemory("creating the stack");
    stack->len = InitialCapacity;
    stack->count = 0;
    top = -1;
}

/*
 * The growth line is printed once the new storage is in hand, so that a failed resize does not
 * announce growth that never happened; the old storage stays in the stack until it is released.
 */
node *growStack(void) {
    int oldLen = stack->len;
    if (oldLen > INT_MAX - GrowthStep) outOfMemory("growing the stack");
    int newLen = oldLen + GrowthStep;
    int *grown = static_cast<int *>(realloc(stack->num, static_cast<size_t>(newLen) * sizeof(int)));
    if (grown == nullptr) outOfMemory("growing the stack");
    stack->num = grown;
    stack->len = newLen;
    printf("Stack has grown from %d to %d\n", oldLen, newLen);
    return nullptr;
}

void freeStack(void) {
    if (stack == nullptr) return;
    free(stack->num);
    free(stack);
    stack = nullptr;
    top = -1;
}

int size(void) {
    return stack->count;
}

int full(void) {
    return stack->len == stack->count ? 1 : 0;
}

int empty(void) {
    return top == -1 ? 1 : 0;
}

int push(int num) {
    if (full() == 1) growStack();
    stack->count++;
    top++;
    stack->num[top] = num;
    return 1;
}

int pop(void) {
    if (empty() == 1) {
        printf("Nothing to pop!!");
        return 0;
    }
    int value = stack->num[top];
    stack->num[top] = 0;
    top--;
    stack->count--;
    return value;
}

void printNode(node *n) {
    (void)n;
    if (top == -1)
        printf("Nothing to print");
    else
        printf("Number:%d\n", stack->num[top]);
}
