/*
 * linereader: echoes "input.txt" from the working directory through a 100-character buffer, one
 * read per line or per 99-character piece of a longer line, then repeats the last piece read.
 */
#include <cstdio>

int main(void) {
    FILE *pFile = fopen("input.txt", "r");
    if (pFile == nullptr) {
        perror("Error opening file");
        return 1; /* a file that cannot be read is a failed run, not a complete one */
    }
    char mystring[100];
    int i = 0; /* read attempts that delivered a piece */
    while (fgets(mystring, sizeof mystring, pFile) != nullptr) {
        printf("%s\n", mystring);
        i++;
    }
    if (ferror(pFile)) {
        perror("Error reading file");
        fclose(pFile);
        return 1;
    }
    if (i > 0) printf("%s", mystring); /* with nothing read the buffer holds nothing to repeat */
    fclose(pFile);
    return 0;
}
