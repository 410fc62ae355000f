/* A stand-in for curses.h's truth values: plain macros, no guard. */
#undef TRUE
#define TRUE 1
#undef FALSE
#define FALSE 0
