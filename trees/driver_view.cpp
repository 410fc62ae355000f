/* driver_view: the tree's shape from its nodes, one line a node, the last search path marked. */
#include "trees/driver_view.h"

#include <cstdlib>

#include "support/bst_internal.h"

/* What the walk carries down: the text before each line and the next node's place. */
typedef struct {
    viewT *view;
    int key;
    char *prefix; /* room for two characters a level */
    int nextId;
} walkT;

/*
 * Draws t and below in preorder. rank is the number of keys smaller than all of t's; onPath
 * tells whether the search for the key reaches t. last: t is its parent's last child drawn.
 */
static void DrawNode(walkT *walk, treeT t, int parent, const char *side, int depth, int rank,
                     bool onPath, bool last) {
    viewT *view = walk->view;
    int id = walk->nextId++;
    int myRank = rank + NodeCount(t->left);
    if (depth == 0)
        ViewText(view, "  %d%s\n", t->key, onPath ? "*" : "");
    else
        ViewText(view, "  %.*s%s%c %d%s\n", 2 * (depth - 1), walk->prefix, last ? "`-" : "+-",
                 side[0] == 'l' ? 'L' : 'R', t->key, onPath ? "*" : "");
    ViewOpen(view, nullptr, '{');
    ViewNumber(view, "id", id);
    ViewNumber(view, "key", t->key);
    ViewNumber(view, "parent", parent);
    ViewString(view, "side", side);
    ViewNumber(view, "depth", depth);
    ViewNumber(view, "rank", myRank);
    ViewBool(view, "path", onPath);
    ViewClose(view);
    /* The children's lines continue this node's rule while a sibling is still to come. */
    if (depth > 0) {
        walk->prefix[2 * (depth - 1)] = last ? ' ' : '|';
        walk->prefix[2 * (depth - 1) + 1] = ' ';
    }
    bool goesOn = onPath && t->key != walk->key;
    if (t->left != nullptr)
        DrawNode(walk, t->left, id, "left", depth + 1, rank, goesOn && walk->key < t->key,
                 t->right == nullptr);
    if (t->right != nullptr)
        DrawNode(walk, t->right, id, "right", depth + 1, myRank + 1, goesOn && walk->key > t->key,
                 true);
}

void DrawTree(viewT *view, treeT tree, char command, int key) {
    int count = NodeCount(tree);
    int height = TreeHeight(tree);
    ViewOpen(view, nullptr, '{');
    ViewString(view, "kind", "tree");
    ViewChar(view, "command", command);
    ViewNumber(view, "key", key);
    treeT at = tree;
    while (at != nullptr && at->key != key)
        at = key < at->key ? at->left : at->right;
    ViewBool(view, "found", at != nullptr);
    ViewNumber(view, "count", count);
    ViewNumber(view, "height", height);
    ViewText(view, "  tree after %c %d: ", command, key);
    if (tree == nullptr)
        ViewText(view, "empty");
    else
        ViewText(view, "%d node%s, height %d; path", count, count == 1 ? "" : "s", height);
    ViewOpen(view, "path", '[');
    for (treeT t = tree; t != nullptr; t = key < t->key ? t->left : t->right) {
        ViewText(view, " %d", t->key);
        ViewNumber(view, nullptr, t->key);
        if (t->key == key) break;
    }
    ViewClose(view);
    ViewText(view, "%s\n", tree == nullptr ? "" : at != nullptr ? ", found" : ", not found");
    ViewOpen(view, "nodes", '[');
    if (tree != nullptr) {
        walkT walk = {view, key, static_cast<char *>(malloc(2 * static_cast<size_t>(height))), 0};
        if (walk.prefix == nullptr) {
            fputs("driver: out of memory drawing the tree\n", stderr);
            exit(EXIT_FAILURE);
        }
        DrawNode(&walk, tree, -1, "root", 0, 0, true, true);
        free(walk.prefix);
    }
    ViewClose(view);
    ViewClose(view);
}
