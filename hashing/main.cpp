/* hashprobe: loads the integers of data.txt into the hash table and lists it slot by slot. */
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "hashing/hash.h"

enum { TokenSize = 64 };

static const char DataFile[] = "data.txt";

/*
 * Reads the next token (characters up to white space) into buf, keeping at most size - 1 of
 * them. Returns the token's full length, so a longer result means it was cut; 0 at end of file.
 */
static size_t ReadToken(FILE *in, char *buf, size_t size) {
    int ch;
    do
        ch = getc(in);
    while (ch != EOF && isspace(ch));
    size_t length = 0;
    for (; ch != EOF && !isspace(ch); ch = getc(in)) {
        if (length + 1 < size) buf[length] = static_cast<char>(ch);
        length++;
    }
    buf[length < size ? length : size - 1] = '\0';
    return length;
}

/* Converts a whole token to an int; false if it is not a decimal integer in the int range. */
static bool ParseKey(const char *token, int *key) {
    char *end;
    errno = 0;
    long value = strtol(token, &end, 10);
    if (end == token || *end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return false;
    *key = static_cast<int>(value);
    return true;
}

/* Offers every number of the file to the table; false, after saying why, on a bad token. */
static bool LoadKeys(FILE *in) {
    char token[TokenSize];
    size_t length;
    while ((length = ReadToken(in, token, sizeof token)) > 0) {
        int key;
        if (length >= sizeof token || !ParseKey(token, &key)) {
            fprintf(stderr, "%s: \"%s%s\" is not an integer\n", DataFile, token,
                    length >= sizeof token ? "..." : "");
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
    return true;
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
