/*
 * wordpick: a client of the lotdraw dictionary, as a word-guessing game would use it.
 *
 *   wordpick [word file]   (default: words.txt in the working directory)
 *
 * Loads the file, prints "Chosen word: <word>" with one word drawn at random, and releases the
 * dictionary. A missing file or a file without words ends it with status 1.
 */
#include <stdio.h>

#include "words/lotdraw.h"

int main(int argc, char **argv) {
    InitDictionary(argc > 1 ? argv[1] : "words.txt");
    printf("Chosen word: %s\n", ChooseRandomWord());
    free_all();
    return 0;
}
