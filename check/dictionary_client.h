/*
 * dictionary_client.h: the dictionary's command language, as wordpick -c reads it and the
 * checker replays a case. Each line is one command, shown first as "> " and the line
 * (check/echo.h).
 *
 *   W file text   appends text, its C escapes decoded (as S of siftdemo -c), and a line end to
 *                 the file of that name in the working directory, which it creates if need be
 *   T seconds     fixes the clock: from then on time() gives these seconds (0 to 2147483647)
 *   L file        InitDictionary of the file
 *   C             prints "Chosen word: " and ChooseRandomWord's word
 *   X             free_all
 *
 * An empty line prints only its echo; any other line prints why it is not a command. At the end
 * of input it calls free_all if a dictionary is loaded.
 *
 * The unit defines time() itself, for the whole program, so that the dictionary's seeding from
 * the clock is under the script's control: until a T line it gives the real calendar time.
 */
#ifndef WORKBENCH_CHECK_DICTIONARY_CLIENT_H
#define WORKBENCH_CHECK_DICTIONARY_CLIENT_H

#include "check/client.h" /* DictionaryClient */

#endif
