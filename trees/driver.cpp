/*
 * driver: an interactive shell over one binary search tree. Each command line holds a letter
 * and a number; the letter picks a tree operation and the number is its key. With -i (and -j
 * FILE) the tree is drawn after each command that changes or searches it
 * (trees/driver_view.h).
 */
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "support/bst.h"
#include "trees/driver_read.h"
#include "trees/driver_view.h"

static void HelpCommand(void) {
    puts("Use the following commands to edit the buffer:");
    puts("  I...   Inserts inputted Integer(Must be positive)");
    puts("  D      Deletes inputted Integer(Must be positive)");
    puts("  F      Find a Character");
    puts("  O      List in order");
    puts("  P      List in preorder");
    puts("  A      List in postorder");
    puts("  l      List Level Order");
    puts("  S      Sum of list");
    puts("  N      Minimum of list");
    puts("  X      Maximum of list");
    puts("  T      Height of list");
    puts("  C      Count of list");
    puts("  Z      Display list");
    puts("  H      Generates a help message");
    puts("  Q      Quits the program");
}

/* Runs one of the commands whose output the shell frames with line ends. */
static void RunFramedCommand(treeT *t, int letter, int key) {
    switch (letter) {
        case 'A':
            PostOrderWalk(*t);
            break;
        case 'C':
            Count(*t);
            break;
        case 'D':
            DeleteNode(t, key);
            break;
        case 'F':
            FindNode(*t, key);
            break;
        case 'H':
            HelpCommand();
            break;
        case 'L':
            NodeLevelOrder(*t);
            break;
        case 'N':
            fputs("Min:", stdout);
            Min(*t);
            break;
        case 'O':
            ListInOrder(*t);
            break;
        case 'P':
            PreOrderWalk(*t);
            break;
        case 'T':
            height(*t);
            break;
        case 'X':
            fputs("Max:", stdout);
            Max(*t);
            break;
        case 'Z':
            DisplayTree(*t);
            break;
    }
}

static void ExecuteCommand(treeT *t, char command, int key) {
    double i;
    puts("\nExcuteCommand Hit here");
    int letter = toupper(static_cast<unsigned char>(command));
    switch (letter) {
        case 'I':
            InsertNode(t, key);
            break;
        case 'Q':
            exit(EXIT_SUCCESS);
        case 'S':
            putchar('\n');
            i = add(*t);
            printf("Sum of tree is:%f\n", i);
            break;
        case 'A':
        case 'C':
        case 'D':
        case 'F':
        case 'H':
        case 'L':
        case 'N':
        case 'O':
        case 'P':
        case 'T':
        case 'X':
        case 'Z':
            putchar('\n');
            RunFramedCommand(t, letter, key);
            putchar('\n');
            break;
        default:
            puts("Illegal command");
    }
}

int main(int argc, char *argv[]) {
    viewT view;
    viewStartT shown = StartView(&view, argc, argv);
    if (shown == ViewFailed) return 2;
    treeT t = nullptr;
    char command = '\0';
    int key = 0;

    puts(
        "\nPlease enter a command and a number.If no number is needed enter 1.Here is a help "
        "command:");
    HelpCommand();
    for (;;) {
        putchar('*');
        fflush(stdout);
        if (!ReadCommand(&command, &key)) {
            putchar('\n');
            /* ends like Q, with the tree still held by this frame */
            exit(EndView(&view, argv) == 0 ? EXIT_SUCCESS : EXIT_FAILURE);
        }
        ExecuteCommand(&t, command, key);
        printf("\nCOMMAND = %c, KEY=%d\n", command, key);
        int letter = toupper(static_cast<unsigned char>(command));
        if (shown == ViewOn && (letter == 'I' || letter == 'D' || letter == 'F'))
            DrawTree(&view, t, static_cast<char>(letter), key);
        command = '\0';
        key = 0;
    }
}
