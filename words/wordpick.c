/*
 * wordpick: a client of the lotdraw dictionary, as a word-guessing game would use it.
 *
 *   wordpick [word file]   (default: words.txt in the working directory)
 *   wordpick -c            reads the dictionary's command language from standard input
 *                          instead, one command a line (check/dictionary_client.h): the client
 *                          that workbench check runs a dictionary's cases through
 *
 * Loads the file, prints "Chosen word: <word>" with one word drawn at random, and releases the
 * dictionary. A missing file or a file without words ends it with status 1.
 */
#include <stdio.h>
#include <string.h>

#include "check/client_loop.h"
#include "words/lotdraw.h"

int main(int argc, char **argv) {
    if (argc == 2 && strcmp(argv[1], "-c") == 0) return RunClient(&DictionaryClient, stdin);
    InitDictionary(argc > 1 ? argv[1] : "words.txt");
    printf("Chosen word: %s\n", ChooseRandomWord());
    free_all();
    return 0;
}
