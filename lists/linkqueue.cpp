/*
 * linkqueue: a queue of integers as a linear doubly linked list, with removal of the smallest
 * value, shown on five built-in values. With -i (and -j FILE) the queue is drawn after each
 * insertion and each removal that took a node (lists/linkqueue_view.h).
 */
#include <cstdio>
#include <cstdlib>

#include "lists/linkqueue.h"
#include "lists/linkqueue_view.h"

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
    viewT view;
    viewStartT shown = StartView(&view, nargs, args);
    if (shown == ViewFailed) return 2;
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
        if (shown == ViewOn && n != nullptr) DrawQueue(&view, QueueInserted, value);
        for (int i = 0; i < 5; i++) {
            bool taken = empty() == 0;
            int removed = pqmidelete();
            printf("%d", removed);
            /* The removals share a line; a drawing takes lines of its own. */
            if (shown == ViewOn && taken) {
                ViewText(&view, "\n");
                DrawQueue(&view, QueueRemoved, removed);
            }
        }
    }
    freeQueue();
    return EndView(&view, args);
}
