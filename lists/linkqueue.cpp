/*
 * linkqueue: a queue of integers as a linear doubly linked list, with removal of the smallest
 * value, shown on five built-in values.
 */
#include <cstdio>
#include <cstdlib>

typedef struct node {
    int info;           /* the value, also its priority: smaller leaves first */
    struct node *next;  /* unused */
    struct node *right; /* toward the rear, null at the rear */
    struct node *left;  /* toward the front, null at the front */
} node;

static node *front = NULL;
static node *rear = NULL;

static void initQueue(void) {
    rear = NULL;
    front = NULL;
}

static void printQueue(void) {
    printf("Queue contains: ");
    for (node *n = front; n != NULL; n = n->right)
        printf("%d ", n->info);
    printf("\n");
}

static void printQueueBackward(void) {
    printf("Queue contains: ");
    for (node *n = rear; n != NULL; n = n->left)
        printf("%d ", n->info);
    printf("\n");
}

/* Releases every node and leaves the queue empty, so the anchors never dangle. */
static void freeQueue(void) {
    node *n = front;
    while (n != NULL) {
        node *right = n->right;
        free(n);
        n = right;
    }
    initQueue();
}

/* A detached node holding val, or null when no memory is left; the caller owns it. */
static node *getNode(int val) {
    node *n = static_cast<node *>(malloc(sizeof(node)));
    if (n == NULL) return NULL;
    n->info = val;
    n->next = NULL;
    n->right = NULL;
    n->left = NULL;
    return n;
}

/* Appends n at the rear; the queue owns it from now on. */
static void insertNode(node *n) {
    if (rear != NULL) {
        rear->right = n;
        n->left = rear;
    }
    if (front == NULL) front = n;
    rear = n;
}

static int empty(void) {
    return front == NULL ? 1 : 0;
}

/* Unlinks n, which must be in the queue, and releases it; does nothing on an empty queue. */
static void deleteNode(node *n) {
    if (empty() == 1) return;
    if (n->right != NULL) n->right->left = n->left;
    if (n == front) front = n->right;
    if (n->left != NULL) n->left->right = n->right;
    if (n == rear) rear = n->left;
    free(n);
}

/* Removes the smallest value, the one nearest the front among equals; -1 when empty. */
static int pqmidelete(void) {
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
    static const int values[] = {5, 19, 2, 11, 8};
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
