/*
 * genlib.h beside a header that defines TRUE and FALSE as macros, as curses.h does: included
 * after it (TRUTH_HEADER names it) or before it (TRUTH_HEADER_AFTER). Alone, genlib.h gives the
 * two as enumerators, as it always has. Prints "0 1".
 */
#ifdef TRUTH_HEADER
#include TRUTH_HEADER
#endif
#include <support/genlib.h>
#ifdef TRUTH_HEADER_AFTER
#include TRUTH_HEADER_AFTER
#endif

#include <stdio.h>

#if !defined(TRUTH_HEADER) && !defined(TRUTH_HEADER_AFTER) && (defined(TRUE) || defined(FALSE))
#error "genlib.h alone must give TRUE and FALSE as enumerators, not macros"
#endif

static int Truth(int value) {
    switch (value) {
        case FALSE:
            return 0;
        case TRUE:
            return 1;
        default:
            return -1;
    }
}

int main(void) {
    printf("%d %d\n", Truth(FALSE), Truth(TRUE));
    return 0;
}
