/* A C client of the installed scanner, set and dictionary modules. */
#include <stdio.h>

#include <scanner/wordsift.h>
#include <sets/set.h>
#include <support/genlib.h>
#include <words/lotdraw.h>

int main(int argc, char *argv[]) {
    if (argc != 2) return 2;

    scannerADT scanner = NewScanner();
    SetScannerString(scanner, "ab12+c");
    while (MoreTokensExist(scanner)) {
        string token = ReadToken(scanner);
        printf("[%s]", token);
        FreeBlock(token);
    }
    putchar('\n');
    FreeScanner(scanner);

    setADT a = NewSet();
    setADT b = NewSet();
    setInsertElementSorted(a, 5);
    setInsertElementSorted(a, 3);
    setInsertElementSorted(a, 9);
    setInsertElementSorted(b, 5);
    setADT difference = setDifference(a, b);
    setPrint(difference, "difference");
    putchar('\n');
    FreeBlock(a);
    FreeBlock(b);
    FreeBlock(difference);

    InitDictionary(argv[1]);
    printf("%s\n", ChooseRandomWord());
    free_all();
    return 0;
}
