/*
 * answers: the answers of a console dialogue, read from standard input one line at a time.
 *
 * Text answers take a whole line. A number answer takes only what it parses: blanks and tabs
 * after it go with the line end, anything else leaves the rest of the line, less one character,
 * for the next answer ("1000 2" answers 1000, then 2).
 */
#pragma once

#include <cstddef>

/*
 * Stores the next line, without its line end, in text (room for size - 1 characters and a NUL);
 * what does not fit is dropped. At the end of input the answer is empty.
 */
void ReadTextAnswer(char *text, size_t size);

/*
 * The integer that the next line begins with after white space, clamped to the int range; 0
 * when it has none. The whole line is taken.
 */
int ReadCountAnswer(void);

/*
 * The next number after white space, line ends included; 0, with its line taken, when none
 * comes next.
 */
double ReadRealAnswer(void);
int ReadIntAnswer(void);

/* Releases the line buffer; reading again starts a new one. */
void FreeAnswers(void);
