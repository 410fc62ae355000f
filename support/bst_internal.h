/*
 * bst_internal.h: the node record behind treeT, for the tree library itself and for the tree
 * shell's drawing of it (trees/driver_view.h), which reads the nodes without changing them.
 * Not installed.
 */
#ifndef WORKBENCH_SUPPORT_BST_INTERNAL_H
#define WORKBENCH_SUPPORT_BST_INTERNAL_H

#include "support/bst.h"

struct nodeT {
    int key;
    nodeT *left;  /* smaller keys */
    nodeT *right; /* larger keys */
};

/* The number of nodes in t, and its height (0 for an empty tree): what Count and height print,
 * as numbers for the library and the drawing. */
static inline int NodeCount(treeT t) {
    return t == nullptr ? 0 : 1 + NodeCount(t->left) + NodeCount(t->right);
}

static inline int TreeHeight(treeT t) {
    if (t == nullptr) return 0;
    int left = TreeHeight(t->left);
    int right = TreeHeight(t->right);
    return 1 + (left > right ? left : right);
}

#endif
