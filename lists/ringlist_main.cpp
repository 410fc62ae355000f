/* ringlist: checks its command line and opens the file named first. */
#include <cstdio>
#include <cstdlib>

/* Receives the opened data stream; the list is not fed from it. */
static void openFILE(FILE *fp) {
    (void)fp;
}

int main(int nargs, char *argv[]) {
    if (nargs != 4) {
        puts("ERROR: you dun goofed bro!!!!");
        return 1;
    }
    FILE *fp = fopen(argv[1], "r");
    if (fp == nullptr) return 1;
    openFILE(fp);
    fclose(fp);
    return 0;
}
