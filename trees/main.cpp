/* treecost: how many node visits a search costs in an unbalanced tree, as the tree grows. */
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "trees/tree.h"

int main(int argc, char *argv[]) {
    (void)argc;
    (void)argv;
    int size = 10;

    srand(static_cast<unsigned>(time(nullptr)));
    printf("n              Average # comparisons/visits in my search           log2(n)");
    for (int y = 0; y < size; y++)
        generateRandomNumSequence();
    printf("\n");
    return 0;
}
