/*
 * linkqueue: one queue of integers as a linear doubly linked list, held in module-wide anchors,
 * with removal of the smallest value.
 */
#pragma once

typedef struct node {
    int info;           /* the value, also its priority: smaller leaves first */
    struct node *next;  /* unused */
    struct node *right; /* toward the rear, null at the rear */
    struct node *left;  /* toward the front, null at the front */
} node;

extern node *front; /* null when the queue is empty */
extern node *rear;

/* Empties the anchors without releasing anything. */
void initQueue(void);
/* Print the values front to rear, or rear to front, on one line after "Queue contains: ". */
void printQueue(void);
void printQueueBackward(void);
/* Releases every node and leaves the queue empty, ready to be used again. */
void freeQueue(void);
/* A detached node holding val, or null when no memory is left; the caller owns it. */
node *getNode(int val);
/* Appends n at the rear; the queue owns it from now on. */
void insertNode(node *n);
/* 1 when the queue is empty, else 0. */
int empty(void);
/* Unlinks n, which must be in the queue, and releases it; does nothing on an empty queue. */
void deleteNode(node *n);
/* Removes the smallest value, the one nearest the front among equals; -1 when empty. */
int pqmidelete(void);
