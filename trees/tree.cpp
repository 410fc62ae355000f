/* tree: the experiment's search tree, with searches that count their node visits. */
#include "trees/tree.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

float countCompare = 0.0f;
int sizeOfTree = 5;

enum { SearchesPerExperiment = 100, SizeStep = 5 };

static bool seedFixed = false;
static unsigned fixedSeed;

void FixSeed(unsigned seed) {
    fixedSeed = seed;
    seedFixed = true;
}

unsigned CurrentSeed(void) {
    return seedFixed ? fixedSeed : static_cast<unsigned>(time(nullptr));
}

void InsertNode(node **tptr, int key) {
    node *t = *tptr;
    if (t == nullptr) {
        t = static_cast<node *>(malloc(sizeof(node)));
        if (t == nullptr) {
            fputs("treecost: out of memory for a tree node\n", stderr);
            exit(EXIT_FAILURE);
        }
        t->key = key;
        t->left = nullptr;
        t->right = nullptr;
        *tptr = t;
    } else if (t->key < key) {
        InsertNode(&t->right, key);
    } else if (t->key > key) {
        InsertNode(&t->left, key);
    }
}

node *FindNode(node **tp, int key) {
    node *t = *tp;
    while (t != nullptr) {
        countCompare += 1;
        if (t->key == key) return t;
        t = t->key < key ? t->right : t->left;
    }
    return nullptr;
}

void free_all(node *p) {
    if (p == nullptr) return;
    free_all(p->left);
    free_all(p->right);
    free(p);
}

void ListInOrder(node *t) {
    if (t == nullptr) return;
    ListInOrder(t->left);
    printf("%d ", t->key);
    ListInOrder(t->right);
}

int generateRandom(void) {
    return rand() % 10000 + 1;
}

float Log2(float n) {
    return static_cast<float>(log(static_cast<double>(n)) / 0.6931471805599453);
}

int generateRandomNumSequence(void) {
    node *tp = nullptr;
    int i;
    int ranNum;
    float adv;
    float logCal;

    /* Seeded again for each experiment: experiments in the same second draw the same keys, so
     * a larger tree starts with the smaller one's. A fixed seed does the same, so a run seeded
     * with a clock's seconds repeats a run made within that second. */
    srand(CurrentSeed());
    for (i = 0; i < sizeOfTree; i++) {
        ranNum = generateRandom();
        InsertNode(&tp, ranNum);
    }
    for (i = 0; i < SearchesPerExperiment; i++) {
        ranNum = generateRandom();
        FindNode(&tp, ranNum);
    }
    putchar('\n');
    adv = static_cast<float>(countCompare / 100.0);
    logCal = Log2(static_cast<float>(sizeOfTree));
    printf("%d%40.3f%35.5f", sizeOfTree, static_cast<double>(adv), static_cast<double>(logCal));
    countCompare = 0.0f;
    sizeOfTree += SizeStep;
    free_all(tp);
    return 0;
}
