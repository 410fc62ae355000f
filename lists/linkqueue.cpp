/*
 * linkqueue: a queue of integers as a linear doubly linked list, with removal of the smallest
 * value, shown on five built-in values.
 */
#include <cstdio>
#include <cstdlib>

#include "lists/linkqueue.h"

node *front = NULL;
node *rear = NULL;

void initQueue(void) {
    rear = NULL;
    front = NULL;
}

void printQueue(void) {
    printf("Queue contains: ");
    for (node *n = front; n != NULL; n = n->right)
        printf("%d ", n->info);
    printf("\n");
}

void printQueueBackward(void) {
    printf("Queue contains: ");
    for (node *n = rear; n != NULL; n = n->left)
        printf("%d ", n->info);
    printf("\n");
}

void freeQueue(void) {
    node *n = front;
    while (n != NULL) {
        node *right = n->right;
        free(n);
        n = right;
    }
    initQueue();
}

node *getNode(int val) {
    node *n = static_cast<node *>(malloc(sizeof(node)));
    if (n == NULL) return NULL;
    n->info = val;
    n->next = NULL;
    n->right = NULL;
    n->left = NULL;
    return n;
}

void insertNode(node *n) {
    if (rear != NULL) {
        rear->right = n;
        n->left = rear;
    }
    if (front == NULL) front = n;
    rear = n;
}

int empty(void) {
    return front == NULL ? 1 : 0;
}

void deleteNode(node *n) {
    if (empty() == 1) return;
    if (n->right != NULL) n->right->left = n->left;
    if (n == front) front = n->right;
    if (n->left != NULL) n->left->right = n->right;
    if (n == rear) rear = n->left;
    free(n);
}

int pqmidelete(void) {
    if (empty() == 1) return -1;
    node *smallest = front;
    for (node *n = front->right; n != NULL; n = n->right)
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
        if (n == NULL)
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
