/*
 * hashprobe: loads the integers of data.txt into the hash table and lists it slot by slot. With
 * -i (and -j FILE) the table's runs are drawn after each key that is stored
 * (hashing/hash_view.h).
 */
#include <cstdio>
#include <cstdlib>

#include "hashing/hash.h"
#include "hashing/hash_view.h"
#include "support/numread.h"

enum { ShownLength = 63 }; /* of a longer bad token only the start is shown */

static const char DataFile[] = "data.txt";

static bool Holds(int key) {
    for (int i = 0; i < TableSize; i++)
        if (hashTable[i].k == key) return true;
    return false;
}

/* Offers every number of the file to the table; false, after saying why, on a bad token. A
 * view that is not null draws the table after each key that took an empty slot. */
static bool LoadKeys(FILE *in, viewT *view) {
    wordT token = {};
    int found;
    while ((found = ReadWord(in, &token)) > 0) {
        int key;
        if (!ParseInt(token.text, token.length, RefuseOutOfRange, &key)) {
            fprintf(stderr, "%s: \"", DataFile);
            WriteWord(stderr, &token, ShownLength);
            fputs("\" is not an integer\n", stderr);
            free(token.text);
            return false;
        }
        if (key < 0) {
            fprintf(stderr, "%s: negative key %d skipped\n", DataFile, key);
            continue;
        }
        /* A key offered again changes nothing and is not drawn again. */
        bool fresh = view != nullptr && !Holds(key);
        /* The value stored is a copy of the key. */
        int slot = search(key, key);
        if (slot == NoSlot)
            fprintf(stderr, "%s: table full, key %d not stored\n", DataFile, key);
        else if (fresh)
            DrawTable(view, key, slot);
    }
    free(token.text);
    if (found < 0) fprintf(stderr, "%s: out of memory reading it\n", DataFile);
    return found == 0;
}

int main(int argc, char *argv[]) {
    viewT view;
    viewStartT shown = StartView(&view, argc, argv);
    if (shown == ViewFailed) return 2;

    puts("hit here");
    puts("Hash table of 300 slots, open addressing with linear probing");
    FILE *in = fopen(DataFile, "r");
    if (in == nullptr) {
        perror(DataFile);
        EndView(&view, argv);
        return EXIT_FAILURE;
    }
    puts("hit here");
    for (int i = 0; i < TableSize; i++) {
        hashTable[i].k = 0;
        hashTable[i].r = 0;
    }
    if (!LoadKeys(in, shown == ViewOn ? &view : nullptr)) {
        fclose(in);
        EndView(&view, argv);
        return EXIT_FAILURE;
    }
    for (int j = 0; j < TableSize; j++)
        printf("j: %d number:%d\n", j, hashTable[j].r);
    fclose(in);
    return EndView(&view, argv);
}
