/*
 * lotdraw.h: a dictionary of words loaded from a text file, handing out one word at random.
 *
 * A word is a run of characters other than white space (blanks, tabs, line ends), stored
 * unchanged. The module keeps one dictionary for the whole program. Both the table and each word
 * grow as needed, so a file of any number of words, each of any length, loads whole.
 */
#ifndef WORKBENCH_WORDS_LOTDRAW_H
#define WORKBENCH_WORDS_LOTDRAW_H

#ifdef __cplusplus
extern "C" {
#endif

/*
 * Loads every word of the file, in file order, replacing (and releasing) any dictionary loaded
 * before. When the file cannot be opened it writes "Failed to open your file. Fail less bro!!!"
 * and a line end on standard error and ends the program with exit status 1.
 */
void InitDictionary(const char *file);

/*
 * Returns one of the loaded words, chosen by the standard generator after seeding it from the
 * clock in seconds on every call: calls within the same second return the same word. The word
 * stays the dictionary's (do not free or change it) and is valid until free_all or the next
 * InitDictionary. With no word loaded it writes one line on standard error and ends the
 * program with exit status 1.
 */
char *ChooseRandomWord(void);

/* Releases every word and the table; the dictionary is then empty and can be loaded again. */
void free_all(void);

#ifdef __cplusplus
}
#endif

#endif
