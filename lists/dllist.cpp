/* dllist: the circular doubly linked list behind ringlist. */
#include "lists/dllist.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

list_t *front = nullptr;
list_t *rear = nullptr;

void dl_init(list_t *lst) {
    lst->prev = nullptr;
    lst->next = nullptr;
}

/* A detached node holding val and an empty word, or null when no memory is left. */
static list_t *newNode(valueT val) {
    list_t *node = static_cast<list_t *>(malloc(sizeof(list_t)));
    if (node == nullptr) return nullptr;
    dl_init(node);
    node->value = val;
    node->word[0] = '\0';
    return node;
}

/*
 * Takes node out of the ring and releases it. Every removing operation comes through here, so
 * the four shapes of removal (only node, front, interior, rear) are handled in one place.
 */
static void unlinkNode(list_t *node) {
    if (node == front && node == rear) {
        front = nullptr;
        rear = nullptr;
    } else if (node == front) {
        front = node->next;
        front->prev = rear;
        rear->next = front;
    } else if (node == rear) {
        rear = node->prev;
        rear->next = front;
        front->prev = rear;
    } else {
        node->prev->next = node->next;
        node->next->prev = node->prev;
    }
    dl_init(node);
    free(node);
}

/* The first node from front holding val, or null. */
static list_t *findFirst(valueT val) {
    if (front == nullptr) return nullptr;
    list_t *curr = front;
    do {
        if (curr->value == val) return curr;
        curr = curr->next;
    } while (curr != front);
    return nullptr;
}

/* Makes node the whole ring when the list is empty; returns 1 if it did. */
static boolT startRing(list_t *node) {
    if (front != nullptr) return 0;
    node->prev = node;
    node->next = node;
    front = node;
    rear = node;
    return 1;
}

/*
 * Puts node between rear and front. In a ring that one place is both after the rear and before
 * the front: the callers differ only in which anchor moves onto the new node.
 */
static void linkAtSeam(list_t *node) {
    node->prev = rear;
    node->next = front;
    rear->next = node;
    front->prev = node;
}

boolT dl_insert(list_t *list1, valueT val, const char *word) {
    (void)list1;
    list_t *node = newNode(val);
    if (node == nullptr) {
        printf("Error");
        return 0;
    }
    if (word != nullptr) {
        strncpy(node->word, word, DL_WORD_SIZE - 1);
        node->word[DL_WORD_SIZE - 1] = '\0';
    }
    if (startRing(node)) return 1;
    linkAtSeam(node);
    rear = node;
    return 1;
}

boolT dl_insert_front(list_t *list1, valueT val) {
    (void)list1;
    list_t *node = newNode(val);
    if (node == nullptr) return 0;
    if (startRing(node)) return 1;
    linkAtSeam(node);
    front = node;
    return 1;
}

boolT dl_del(list_t *lst, valueT val) {
    (void)lst;
    if (!secondpass(front, val)) return 0;
    while (secondpass(front, val)) {
    }
    return 1;
}

/*
 * The argument is meant to be front, but only the node actually found is touched: writing
 * through a stale argument could break the ring.
 */
boolT secondpass(list_t *lst, valueT val) {
    (void)lst;
    list_t *match = findFirst(val);
    if (match == nullptr) return 0;
    unlinkNode(match);
    return 1;
}

valueT dl_get_front(list_t *lst) {
    (void)lst;
    return front == nullptr ? 0 : front->value;
}

valueT dl_get_back(list_t *lst) {
    (void)lst;
    return rear == nullptr ? 0 : rear->value;
}

void dl_pop_front(list_t *lst) {
    (void)lst;
    if (front != nullptr) unlinkNode(front);
}

void dl_pop_back(list_t *lst) {
    (void)lst;
    if (rear != nullptr) unlinkNode(rear);
}

boolT dl_check(list_t *lst, valueT val) {
    (void)lst;
    return findFirst(val) != nullptr;
}
