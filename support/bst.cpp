/* bst: an unbalanced binary search tree of int keys behind the tree shell's thirteen calls. */
#include "support/bst.h"

#include <cstdio>

#include "support/bst_internal.h"
#include "support/genlib.h"

enum walkOrderT { PreOrder, InOrder, PostOrder };

/* Returns the link that holds key, or the null link where key would be inserted. */
static treeT *FindLink(treeT *t, int key) {
    while (*t != nullptr && (*t)->key != key)
        t = key < (*t)->key ? &(*t)->left : &(*t)->right;
    return t;
}

/* Prints key, preceded by a blank unless it is the first of the listing. */
static void PrintKey(int key, int *printed) {
    if (*printed > 0) putchar(' ');
    printf("%d", key);
    (*printed)++;
}

static void Walk(treeT t, walkOrderT order, int *printed) {
    if (t == nullptr) return;
    if (order == PreOrder) PrintKey(t->key, printed);
    Walk(t->left, order, printed);
    if (order == InOrder) PrintKey(t->key, printed);
    Walk(t->right, order, printed);
    if (order == PostOrder) PrintKey(t->key, printed);
}

/* Follows left links (or right links) to the end: the smallest (or largest) key. */
static void PrintExtreme(treeT t, bool largest) {
    if (t == nullptr) {
        fputs("none", stdout);
        return;
    }
    while ((largest ? t->right : t->left) != nullptr)
        t = largest ? t->right : t->left;
    printf("%d", t->key);
}

/* Sums in unsigned arithmetic so that a large total wraps instead of overflowing. */
static unsigned KeySum(treeT t) {
    if (t == nullptr) return 0;
    return static_cast<unsigned>(t->key) + KeySum(t->left) + KeySum(t->right);
}

static void Display(treeT t, int depth, int *printed) {
    if (t == nullptr) return;
    Display(t->right, depth + 1, printed);
    if (*printed > 0) putchar('\n');
    printf("%*s%d", 4 * depth, "", t->key);
    (*printed)++;
    Display(t->left, depth + 1, printed);
}

void InsertNode(treeT *t, int key) {
    treeT *link = FindLink(t, key);
    if (*link != nullptr) return;
    nodeT *node = static_cast<nodeT *>(GetBlock(sizeof(nodeT)));
    node->key = key;
    node->left = nullptr;
    node->right = nullptr;
    *link = node;
}

void DeleteNode(treeT *t, int key) {
    treeT *link = FindLink(t, key);
    nodeT *doomed = *link;
    if (doomed == nullptr) return;
    if (doomed->left != nullptr && doomed->right != nullptr) {
        /* Two children: the in-order successor, which has no left child, gives up its key
         * and its node instead. */
        treeT *successor = &doomed->right;
        while ((*successor)->left != nullptr)
            successor = &(*successor)->left;
        doomed->key = (*successor)->key;
        link = successor;
        doomed = *link;
    }
    *link = doomed->left != nullptr ? doomed->left : doomed->right;
    FreeBlock(doomed);
}

void FindNode(treeT t, int key) {
    if (*FindLink(&t, key) != nullptr)
        printf("%d found", key);
    else
        printf("%d not found", key);
}

void ListInOrder(treeT t) {
    int printed = 0;
    Walk(t, InOrder, &printed);
}

void PreOrderWalk(treeT t) {
    int printed = 0;
    Walk(t, PreOrder, &printed);
}

void PostOrderWalk(treeT t) {
    int printed = 0;
    Walk(t, PostOrder, &printed);
}

void NodeLevelOrder(treeT t) {
    if (t == nullptr) return;
    /* Every node enters the queue once, so the tree's size bounds it. */
    treeT *queue =
        static_cast<treeT *>(GetBlock(sizeof(treeT) * static_cast<size_t>(NodeCount(t))));
    int head = 0;
    int tail = 0;
    int printed = 0;
    queue[tail++] = t;
    while (head < tail) {
        treeT node = queue[head++];
        PrintKey(node->key, &printed);
        if (node->left != nullptr) queue[tail++] = node->left;
        if (node->right != nullptr) queue[tail++] = node->right;
    }
    FreeBlock(queue);
}

int add(treeT t) {
    return static_cast<int>(KeySum(t));
}

void Min(treeT t) {
    PrintExtreme(t, false);
}

void Max(treeT t) {
    PrintExtreme(t, true);
}

void height(treeT t) {
    printf("%d", TreeHeight(t));
}

void Count(treeT t) {
    printf("%d", NodeCount(t));
}

void DisplayTree(treeT t) {
    int printed = 0;
    Display(t, 0, &printed);
}
