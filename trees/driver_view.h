/*
 * driver_view.h: the tree shell's drawing of its tree (driver -i, -j FILE), read from the tree
 * library's nodes (support/bst_internal.h) without changing them, through support/view.h. Not
 * installed.
 *
 * Drawn after each command that changes or searches the tree (I, D, F), with the path that a
 * search for the command's key takes in the tree as it now stands marked "*": down to the key
 * after I or a successful F, down to the empty link where it would go after D or a failed F.
 * Text, the heading then one node a line from the root, each child under its parent with its
 * side, L or R:
 *   "  tree after I 35: 5 nodes, height 3; path 50 30 35, found"
 *   "  50*"
 *   "  +-L 30*"
 *   "  | +-L 20"
 *   "  | `-R 35*"
 *   "  `-R 70"
 * Description, one object a drawing:
 *   {"kind":"tree","command":"I","key":35,"found":true,"count":5,"height":3,
 *    "path":[50,30,35],
 *    "nodes":[{"id":0,"key":50,"parent":-1,"side":"root","depth":0,"rank":3,"path":true},
 *             {"id":1,"key":30,"parent":0,"side":"left","depth":1,"rank":1,"path":true},...]}
 * nodes in preorder, id their place in it; every node but the root is the end of one edge
 * from its parent, on its side; depth counts from 0 at the root and rank is the node's place
 * in key order (0 for the smallest), so (rank, depth) lays the tree out without crossings.
 */
#ifndef WORKBENCH_TREES_DRIVER_VIEW_H
#define WORKBENCH_TREES_DRIVER_VIEW_H

#include "support/bst.h"
#include "support/view.h"

/* Draws tree after command (upper case) with key, marking key's search path. */
void DrawTree(viewT *view, treeT tree, char command, int key);

#endif
