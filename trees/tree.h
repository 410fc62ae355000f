/*
 * tree.h: the search-cost experiment's tree, its counters and its experiment step.
 *
 * An unbalanced search tree of unique int keys in plain insertion order; FindNode counts the
 * nodes it visits into countCompare, which is what the experiment measures.
 */
#ifndef WORKBENCH_TREES_TREE_H
#define WORKBENCH_TREES_TREE_H

typedef struct node {
    int key;
    struct node *left;  /* smaller keys */
    struct node *right; /* larger keys */
} node;

/* Nodes visited by all searches of the current experiment; 0 at the start of each. */
extern float countCompare;

/* n of the current experiment: how many random keys are offered to its tree. Starts at 5. */
extern int sizeOfTree;

/* Makes every later seeding of the pseudo-random generator, the program's and each
 * experiment's, use seed instead of the clock's seconds, so that a run can be repeated. */
void FixSeed(unsigned seed);

/* The seed for the pseudo-random generator now: the fixed one, else the clock's seconds. */
unsigned CurrentSeed(void);

/* Builds a tree from sizeOfTree random keys, runs 100 counted searches for random keys,
 * prints a line end and the row "n average log2(n)", frees the tree and adds 5 to sizeOfTree.
 * Returns 0. */
int generateRandomNumSequence(void);

/* Inserts key into the tree at *tptr unless present. A node that cannot be allocated ends the
 * program with a message on standard error and exit status 1. */
void InsertNode(node **tptr, int key);

/* Returns the node holding key, or null; adds one to countCompare per node visited. */
node *FindNode(node **tp, int key);

/* Frees every node of the tree at p, children first; a null p does nothing. */
void free_all(node *p);

/* Prints each key in ascending order as "%d " (no line end). */
void ListInOrder(node *t);

/* Returns a pseudo-random int in 1..10000. */
int generateRandom(void);

/* Returns the base-2 logarithm of n. */
float Log2(float n);

#endif
