/*
 * wordguess: a word-guessing game over the lotdraw dictionary.
 *
 *   wordguess [word file]   (default: the bundled list, share/workbench/wordguess.txt)
 *
 * Draws one word and shows it as blanks, one '_' per letter; other characters (an apostrophe, a
 * hyphen) are shown from the start. Each input line is one guess, without the white space at
 * either end: a letter, which reveals every place it stands whatever its case, or the whole word.
 * A letter not in the word or a wrong word costs one of six misses; bad input costs nothing. The
 * game ends with a win or a loss line showing the word; the end of input is a loss.
 */
/* PATH_MAX is POSIX. */
#define _POSIX_C_SOURCE 200809L

#include <ctype.h>
#include <errno.h>
#include <limits.h>
#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "support/selfpath.h"
#include "words/lotdraw.h"

enum { MaxMisses = 6, Letters = 26 };

typedef struct {
    const char *word;
    size_t length;
    bool tried[Letters]; /* by letter, 'a' first */
    int missesLeft;
    bool guessed; /* the whole word was guessed at once */
} gameT;

/* The game runs in the C locale, where only a-z and A-Z are letters. */
static bool IsLetter(char ch) {
    return isalpha((unsigned char)ch) != 0;
}

static int Slot(char ch) {
    return tolower((unsigned char)ch) - 'a';
}

static bool Shown(const gameT *game, char ch) {
    return game->guessed || !IsLetter(ch) || game->tried[Slot(ch)];
}

static bool Solved(const gameT *game) {
    for (size_t i = 0; i < game->length; i++)
        if (!Shown(game, game->word[i])) return false;
    return true;
}

static bool Over(const gameT *game) {
    return game->missesLeft == 0 || Solved(game);
}

static void ShowStatus(const gameT *game) {
    printf("Word:");
    for (size_t i = 0; i < game->length; i++)
        printf(" %c", Shown(game, game->word[i]) ? game->word[i] : '_');
    printf("  Misses left: %d  Tried:", game->missesLeft);
    bool any = false;
    for (int i = 0; i < Letters; i++) {
        if (game->tried[i]) printf(" %c", 'a' + i);
        any = any || game->tried[i];
    }
    puts(any ? "" : " -");
}

static bool SameIgnoringCase(const char *a, const char *b) {
    for (; *a != '\0' && tolower((unsigned char)*a) == tolower((unsigned char)*b); a++, b++) {
    }
    return *a == '\0' && *b == '\0';
}

static bool InWord(const char *word, char letter) {
    for (; *word != '\0'; word++)
        if (IsLetter(*word) && Slot(*word) == Slot(letter)) return true;
    return false;
}

/* Each of these returns false for bad input, after one line that says why. */
static bool GuessLetter(gameT *game, char ch) {
    if (!IsLetter(ch)) {
        printf("'%c' is not a letter.\n", ch);
        return false;
    }
    if (game->tried[Slot(ch)]) {
        printf("You already tried '%c'.\n", 'a' + Slot(ch));
        return false;
    }
    game->tried[Slot(ch)] = true;
    if (!InWord(game->word, ch)) game->missesLeft--;
    return true;
}

static bool Guess(gameT *game, const char *guess, size_t length) {
    if (length == 0) {
        puts("Type one letter or the whole word.");
        return false;
    }
    if (length == 1) return GuessLetter(game, guess[0]);
    if (length != game->length) {
        printf("The word has %zu character%s: guess one letter or all of them.\n", game->length,
               game->length == 1 ? "" : "s");
        return false;
    }
    if (SameIgnoringCase(guess, game->word))
        game->guessed = true;
    else
        game->missesLeft--;
    return true;
}

/*
 * Reads one line into guess (room for size characters and the NUL) without the white space at
 * either end, and its length into *length, also when only the first size characters fit. Returns
 * false at the end of input.
 */
static bool ReadGuess(char *guess, size_t size, size_t *length) {
    int ch = getchar();
    if (ch == EOF) return false;
    size_t seen = 0, end = 0; /* characters from the first one that is not white space */
    for (; ch != EOF && ch != '\n'; ch = getchar()) {
        if (seen == 0 && isspace(ch)) continue;
        if (seen < size) guess[seen] = (char)ch;
        seen++;
        if (!isspace(ch)) end = seen;
    }
    guess[end < size ? end : size] = '\0';
    *length = end;
    return true;
}

/*
 * Loads the bundled list, found relative to this executable (WORDGUESS_LIST), so that an
 * installed, unpacked or moved tree plays as the build tree does. Returns false, having said
 * which path it tried, when the list is not there.
 */
static bool LoadBundledList(void) {
    char path[PATH_MAX];
    if (!SelfRelativePath(WORDGUESS_LIST, path, sizeof path)) {
        fputs("wordguess: cannot find the word list beside the program\n", stderr);
        return false;
    }
    FILE *list = fopen(path, "r");
    if (list == NULL) {
        fprintf(stderr, "wordguess: cannot open the word list %s: %s\n", path, strerror(errno));
        return false;
    }
    fclose(list);
    InitDictionary(path);
    return true;
}

int main(int argc, char **argv) {
    if (argc > 1)
        InitDictionary(argv[1]);
    else if (!LoadBundledList())
        return 1;
    gameT game = {.word = ChooseRandomWord(), .missesLeft = MaxMisses};
    game.length = strlen(game.word);
    char *guess = malloc(game.length + 1);
    if (guess == NULL) {
        fputs("wordguess: out of memory\n", stderr);
        free_all();
        return 1;
    }
    puts("Guess the word: one letter or the whole word a line; six misses lose.");
    ShowStatus(&game);
    size_t length;
    while (!Over(&game) && ReadGuess(guess, game.length, &length))
        if (Guess(&game, guess, length) && !Over(&game)) ShowStatus(&game);
    if (Solved(&game))
        printf("You win: the word is %s.\n", game.word);
    else
        printf("You lose: the word was %s.\n", game.word);
    free(guess);
    free_all();
    return 0;
}
