/*
 * bst.h: a binary search tree of int keys, as the tree shell drives it.
 *
 * A plain unbalanced search tree: each key is a node of its own, smaller keys go left, larger
 * keys right, in insertion order. A key already present is not inserted again; deleting an
 * absent key changes nothing. A null treeT is the empty tree and every operation accepts it.
 * The library owns the nodes: InsertNode takes them from GetBlock and DeleteNode gives them
 * back with FreeBlock, so a tree emptied by deletions holds no memory.
 *
 * The printing operations write to standard output with no line end after their last line,
 * so that the caller frames them: keys are separated by single blanks, counts are one number.
 */
#ifndef WORKBENCH_SUPPORT_BST_H
#define WORKBENCH_SUPPORT_BST_H

#ifdef __cplusplus
extern "C" {
#endif

typedef struct nodeT nodeT;
typedef nodeT *treeT;

/* Adds key to the tree at *t, unless present; may replace the root. Runs out of memory only
 * through GetBlock, which ends the program. */
void InsertNode(treeT *t, int key);

/* Removes key from the tree at *t and frees its node; may replace the root. */
void DeleteNode(treeT *t, int key);

/* Prints "<key> found" or "<key> not found". */
void FindNode(treeT t, int key);

/* Print the keys in ascending order, in preorder, in postorder and level by level from the
 * root, left to right within a level. The empty tree prints nothing. */
void ListInOrder(treeT t);
void PreOrderWalk(treeT t);
void PostOrderWalk(treeT t);
void NodeLevelOrder(treeT t);

/* Returns the sum of the keys (0 for the empty tree), wrapping around modulo 2^32 rather
 * than overflowing. Prints nothing. */
int add(treeT t);

/* Print the smallest or the largest key, or "none" for the empty tree. */
void Min(treeT t);
void Max(treeT t);

/* Prints the number of levels: 0 for the empty tree, 1 for a single node. */
void height(treeT t);

/* Prints the number of keys. */
void Count(treeT t);

/* Draws the tree sideways, one key a line: the right subtree above its parent, the left one
 * below, each level indented four blanks further than its parent. */
void DisplayTree(treeT t);

#ifdef __cplusplus
}
#endif

#endif
