/*
 * hash.h: a fixed table of 300 slots with open addressing and linear probing.
 *
 * The table is one program-wide array. Key 0 marks an empty slot, so keys are positive. A
 * probe that finds a slot taken by another key prints one collision line and steps to the
 * next slot, wrapping from 299 to 0.
 */
#ifndef WORKBENCH_HASHING_HASH_H
#define WORKBENCH_HASHING_HASH_H

typedef int KEYTYPE;
typedef int RECTYPE;

typedef struct record {
    KEYTYPE k; /* the key; 0 for an empty slot */
    RECTYPE r; /* the value stored with it; 0 for an empty slot */
} record, recordTable;

enum { TableSize = 300, NoSlot = -1 };

extern record hashTable[TableSize];

/* Returns the home slot of key: key mod 300. */
double hash(KEYTYPE key);

/* Returns the slot probed after slot key: (key + 1) mod 300. */
double rehash(int key);

/*
 * Finds key in the table or stores it with rec in the first empty slot of its probe sequence,
 * printing "SEARCH FOR <slot> REHASHES <count>" for each slot taken by another key. Returns
 * the slot where key stands, or NoSlot, leaving the table unchanged, when key is negative or
 * all 300 slots hold other keys.
 */
int search(KEYTYPE key, RECTYPE rec);

#endif
