/* hashprobe: loads the integers of data.txt into the hash table and lists it slot by slot. */
#include <cstdio>
#include <cstdlib>

#include "hashing/hash.h"
#include "support/numread.h"

enum { ShownLength = 63 }; /* of a longer bad token only the start is shown */

static const char DataFile[] = "data.txt";

/* Offers every number of the file to the table; false, after saying why, on a bad token. */
static bool LoadKeys(FILE *in) {
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
        /* The value stored is a copy of the key. */
        int slot = search(key, key);
        if (slot == NoSlot) fprintf(stderr, "%s: table full, key %d not stored\n", DataFile, key);
    }
    free(token.text);
    if (found < 0) fprintf(stderr, "%s: out of memory reading it\n", DataFile);
    return found == 0;
}

int main(int argc, char *argv[]) {
    (void)argc;
    (void)argv;

    puts("hit here");
    puts("Hash table of 300 slots, open addressing with linear probing");
    FILE *in = fopen(DataFile, "r");
    if (in == nullptr) {
        perror(DataFile);
        return EXIT_FAILURE;
    }
    puts("hit here");
    for (int i = 0; i < TableSize; i++) {
        hashTable[i].k = 0;
        hashTable[i].r = 0;
    }
    if (!LoadKeys(in)) {
        fclose(in);
        return EXIT_FAILURE;
    }
    for (int j = 0; j < TableSize; j++)
        printf("j: %d number:%d\n", j, hashTable[j].r);
    fclose(in);
    return 0;
}
