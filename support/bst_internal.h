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

#endif
