/*
 * set_client.h: the set's command language, as bagdemo reads it and the checker replays a case:
 * two sets, A and B, each from NewSet, and each line one command (its words separated by white
 * space; a line without a word is skipped). Set names are A and B.
 *
 *   A n...   (or B n...) inserts each integer n into the set with setInsertElementSorted and
 *            prints "A + n = " and the set as setPrint prints it, and a line end; a word that is
 *            not an integer in the int range prints "Not an integer: word" and is skipped
 *   P A      prints "A = " and the set
 *   D A B    prints "A - B = " and setDifference of the two, then frees the difference
 *   N A      frees the set and makes it anew with NewSet, then prints it as P does
 *
 * A line that begins with another word prints "Unknown set: word". A command given a name of no
 * set prints "Unknown set: name" (for the first such name), and one given the wrong number of
 * names its usage: "Usage: P <A|B>", "Usage: D <A|B> <A|B>" or "Usage: N <A|B>". At the end of
 * input it prints A, B, A - B and B - A as above, then frees both sets. Nothing is echoed: what
 * bagdemo printed for A and B lines before it had the other commands stays as it was.
 */
#ifndef WORKBENCH_CHECK_SET_CLIENT_H
#define WORKBENCH_CHECK_SET_CLIENT_H

#include "check/client.h" /* SetClient */

#endif
