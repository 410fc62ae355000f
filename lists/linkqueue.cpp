/*
 * linkqueue: a queue of integers as a linear doubly linked list, with removal of the smallest
 * value, shown on five built-in values.
 */
#include <cstdio>
#include <cstdlib>

#include "lists/linkqueue.h"

node *front = nullptr;
node *rear = nullptr;

void initQueue(void) {
    rear = nullptr;
    front = nullptr;
}

void printQueue(void) {
    printf("Queue contains: ");
    for (node *n = front; n != nullptr; n = n->right)
        printf("%d ", n->info);
    printf("\n");
}

void printQueueBackward(void) {
    printf("Queue contains: ");
    for (node *n = rear; n != nullptr; n = n->left)
        printf("%d ", n->info);
    printf("\n");
}

void freeQueue(void) {
    node *n = front;
    while (n != nullptr) {
        node *right = n->right;
        free(n);
        n = right;
    }
    initQueue();
}

node *getNode(int val) {
    node *n = static_cast<node *>(malloc(sizeof(node)));
    if (n == nullptr) return nullptr;
    n->info = val;
    n->next = nullptr;
    n->right = nullptr;
    n->left = nullptr;
    return n;
}

void insertNode(node *n) {
    if (rear != nullptr) {
        rear->right = n;
        n->left = rear;
    }
    if (front == nullptr) front = n;
    rear = n;
}

int empty(void) {
    return front == nullptr ? 1 : 0;
}

void deleteNode(node *n) {
    if (empty() == 1) return;
    if (n->right != nullptr) n->right->left = n->left;
    if (n == front) front = n->right;
    if (n->left != nullptr) n->left->right = n->right;
    if (n == rear) rear = n->left;
    free(n);
}

int pqmidelete(void) {
    if (empty() == 1) return -1;
    node *smallest = front;
    for (node *n = front->right; n != nullptr; n = n->right)
        if (n->info < smallest->info) smallest = n;
    int value = smallest->info;
    deleteNode(smallest);
    return value;
}

int main(int nargs, char *args[]) {
    (void)nargs;
    (void)args;
    const int values[] = {5, 19, 2, 11, 8};
    for (int value : values) {
        printf("inserting node into queue\n");
        node *n = getNode(value);
        if (n == nullptr)
            printf("getnode returned null\n");
        else
            insertNode(n);
        printQueue();
        printQueueBackward();
        for (int i = 0; i < 5; i++)
            printf("%d", pqmidelete());
    }
    freeQueue();
    return 0;
}
