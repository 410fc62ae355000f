/* hash: find-or-insert in the open-addressing table, one slot at a time. */
#include "hashing/hash.h"

#include <cstdio>

record hashTable[TableSize];

double hash(KEYTYPE key) {
    return key % TableSize;
}

double rehash(int key) {
    return (key + 1) % TableSize;
}

int search(KEYTYPE key, RECTYPE rec) {
    /* A negative key's remainder is negative and names no slot. */
    if (key < 0) return NoSlot;
    int i = static_cast<int>(hash(key));
    for (int j = 0; hashTable[i].k != key && hashTable[i].k != 0; j++) {
        /* Every slot visited once and each held another key: there is no room. */
        if (j == TableSize) return NoSlot;
        printf("SEARCH FOR %d REHASHES %d\n", i, j);
        i = static_cast<int>(rehash(i));
    }
    if (hashTable[i].k == 0) {
        hashTable[i].k = key;
        hashTable[i].r = rec;
    }
    return i;
}
