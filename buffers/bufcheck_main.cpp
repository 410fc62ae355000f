/* The checker program's main, a member of its own in the archive, so that a program that has
 * a main of its own can link the checker without it. */
#include "buffers/bufcheck.h"

int main(int argc, char **argv) {
    return BufferCheckMain(argc, argv);
}
