/* charstack: a character stack kept in one array that doubles when it fills. */
#include <climits>
#include <cstring>

#include "support/charstack_internal.h"

enum { InitialCapacity = 16 };

stackADT NewStack(void) {
    stackADT stack = static_cast<stackADT>(GetBlock(sizeof(stackCDT)));
    stack->elements =
        static_cast<stackElementT *>(GetBlock(InitialCapacity * sizeof(stackElementT)));
    stack->depth = 0;
    stack->capacity = InitialCapacity;
    return stack;
}

void FreeStack(stackADT stack) {
    FreeBlock(stack->elements);
    FreeBlock(stack);
}

/* Doubling keeps the copying down to amortised constant time per push. The depth is an int, so
 * the array stops growing at INT_MAX elements rather than letting the count wrap. */
static void Grow(stackADT stack) {
    if (stack->capacity == INT_MAX) Error("Stack depth exceeded");
    int capacity = stack->capacity > INT_MAX / 2 ? INT_MAX : 2 * stack->capacity;
    stackElementT *elements = static_cast<stackElementT *>(
        GetBlock(static_cast<size_t>(capacity) * sizeof(stackElementT)));
    memcpy(elements, stack->elements, static_cast<size_t>(stack->depth) * sizeof(stackElementT));
    FreeBlock(stack->elements);
    stack->elements = elements;
    stack->capacity = capacity;
}

void Push(stackADT stack, stackElementT element) {
    if (stack->depth == stack->capacity) Grow(stack);
    stack->elements[stack->depth++] = element;
}

stackElementT Pop(stackADT stack) {
    if (stack->depth == 0) Error("Pop of an empty stack");
    return stack->elements[--stack->depth];
}

bool StackIsEmpty(stackADT stack) {
    return stack->depth == 0;
}

int StackDepth(stackADT stack) {
    return stack->depth;
}

stackElementT GetStackElement(stackADT stack, int index) {
    if (index < 0 || index >= stack->depth) Error("Stack index out of range");
    return stack->elements[stack->depth - 1 - index];
}
