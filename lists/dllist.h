/*
 * dllist.h: one circular doubly linked list of integers per process.
 *
 * The list is anchored in the module-wide front and rear, both null while it is empty. In a
 * non-empty list the next of rear is front and the prev of front is rear. Every node is a heap
 * block that the module allocates on insertion and releases on removal; callers never own a
 * node. Nodes still in the list at exit are left to the process.
 *
 * Every operation keeps a leading list pointer for the interface's sake; only dl_init reads it.
 */
#ifndef WORKBENCH_LISTS_DLLIST_H
#define WORKBENCH_LISTS_DLLIST_H

#ifdef __cplusplus
extern "C" {
#endif

/* The stored integer. */
typedef int valueT;

/* A truth value: an int holding 1 for true and 0 for false. (bool itself is a keyword in C++.) */
typedef int boolT;

enum { DL_WORD_SIZE = 50 };

typedef struct list {
    char word[DL_WORD_SIZE]; /* the word given to dl_insert, cut to 49 characters; else "" */
    valueT value;
    struct list *prev;
    struct list *next;
} list;
typedef list list_t;

extern list_t *front; /* first node, null when empty */
extern list_t *rear;  /* last node, null when empty */

/* Sets the node's prev and next to null. */
void dl_init(list_t *lst);

/*
 * Appends val after rear and copies word (may be null) into the node. Returns 1, or 0 after
 * writing "Error" (no line end) on standard output when no memory is left; then nothing changed.
 */
boolT dl_insert(list_t *list1, valueT val, const char *word);

/* Inserts val before front. Returns 1, or 0 without a message when no memory is left. */
boolT dl_insert_front(list_t *list1, valueT val);

/* Removes every node holding val, keeping the order of the rest. Returns 1 if any was removed. */
boolT dl_del(list_t *lst, valueT val);

/*
 * Removes the first node from front that holds val. Returns 1 if one was removed. Callers pass
 * front; the argument itself is never written through.
 */
boolT secondpass(list_t *lst, valueT val);

/* Value of front (of rear), or 0 when the list is empty. */
valueT dl_get_front(list_t *lst);
valueT dl_get_back(list_t *lst);

/* Removes and releases front (rear); nothing happens on an empty list. */
void dl_pop_front(list_t *lst);
void dl_pop_back(list_t *lst);

/* Returns 1 if some node holds val, 0 otherwise (also when the list is empty). */
boolT dl_check(list_t *lst, valueT val);

#ifdef __cplusplus
}
#endif

#endif
