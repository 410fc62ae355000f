// The tree shell end to end: banner and help, the trace and echo lines around each command,
// the one-read-per-line rule (also on the first line, also with key 0), and end of input.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"
#include "views.h"

namespace {

const std::string kHelp =
    "Use the following commands to edit the buffer:\n"
    "  I...   Inserts inputted Integer(Must be positive)\n"
    "  D      Deletes inputted Integer(Must be positive)\n"
    "  F      Find a Character\n"
    "  O      List in order\n"
    "  P      List in preorder\n"
    "  A      List in postorder\n"
    "  l      List Level Order\n"
    "  S      Sum of list\n"
    "  N      Minimum of list\n"
    "  X      Maximum of list\n"
    "  T      Height of list\n"
    "  C      Count of list\n"
    "  Z      Display list\n"
    "  H      Generates a help message\n"
    "  Q      Quits the program\n";

const std::string kStart =
    "\nPlease enter a command and a number.If no number is needed enter 1.Here is a help "
    "command:\n" +
    kHelp;

const std::string kTrace = "\nExcuteCommand Hit here\n";

// The prompt and trace line, what the command prints, and the echo line.
std::string Step(const std::string &printed, char command, int key) {
    return "*" + kTrace + printed + "\nCOMMAND = " + command + ", KEY=" + std::to_string(key) +
           "\n";
}

// Output of a session whose input ends after its commands: a last prompt and a line end.
std::string Session(const std::string &steps) {
    return kStart + steps + "*\n";
}

TEST(DriverTest, CommandTable) {
    // Every command runs after I 5, I 3 and I 8 have built the tree 5 (3, 8).
    const std::string setup = "I 5\nI 3\nI 8\n";
    const std::string built = Step("", 'I', 5) + Step("", 'I', 3) + Step("", 'I', 8);
    struct Case {
        std::string line;
        std::string printed;
        char command;
        int key;
    } cases[] = {
        {"O 1", "\n3 5 8\n", 'O', 1},
        {"P 1", "\n5 3 8\n", 'P', 1},
        {"A 1", "\n3 8 5\n", 'A', 1},
        {"L 1", "\n5 3 8\n", 'L', 1},
        {"l 1", "\n5 3 8\n", 'l', 1},
        {"F 8", "\n8 found\n", 'F', 8},
        {"F 9", "\n9 not found\n", 'F', 9},
        {"S 1", "\nSum of tree is:16.000000\n", 'S', 1},
        {"N 1", "\nMin:3\n", 'N', 1},
        {"X 1", "\nMax:8\n", 'X', 1},
        {"T 1", "\n2\n", 'T', 1},
        {"C 1", "\n3\n", 'C', 1},
        {"Z 1", "\n    8\n5\n    3\n", 'Z', 1},
        {"H 1", "\n" + kHelp + "\n", 'H', 1},
        {"D 5", "\n\n", 'D', 5},
        {"B 1", "Illegal command\n", 'B', 1},
        {"? 1", "Illegal command\n", '?', 1},
        {"7 1", "Illegal command\n", '7', 1},
    };
    for (const Case &c : cases) {
        wb::RunResult run = wb::RunProgram("driver", {.input = setup + c.line + "\nO 1\n"});
        std::string tree_after = c.command == 'D' ? "\n3 8\n" : "\n3 5 8\n";
        EXPECT_EQ(run.out,
                  Session(built + Step(c.printed, c.command, c.key) + Step(tree_after, 'O', 1)))
            << c.line;
        EXPECT_EQ(run.err, "") << c.line;
        EXPECT_EQ(run.status, 0) << c.line;
    }
}

// Whole sessions: each input gives these steps, then the last prompt, status 0, no error.
TEST(DriverTest, Sessions) {
    struct Case {
        const char *name;
        std::string input;
        std::string steps;
    } cases[] = {
        {"the first line runs after a single read", "I 5\nO 1\n",
         Step("", 'I', 5) + Step("\n5\n", 'O', 1)},
        {"key 0 on the first line is inserted", "I 0\nO 1\nI 0\nC 1\n",
         Step("", 'I', 0) + Step("\n0\n", 'O', 1) + Step("", 'I', 0) + Step("\n1\n", 'C', 1)},
        {"lower case works and echoes as typed", "i 7\no 1\n",
         Step("", 'i', 7) + Step("\n7\n", 'o', 1)},
        {"sum of five and ten", "I 5\nI 10\nS 1\n",
         Step("", 'I', 5) + Step("", 'I', 10) + Step("\nSum of tree is:15.000000\n", 'S', 1)},
        {"sum of the empty tree", "S 1\n", Step("\nSum of tree is:0.000000\n", 'S', 1)},
        {"min prints the library's output on its line", "N 1\nI 4\nN 1\n",
         Step("\nMin:none\n", 'N', 1) + Step("", 'I', 4) + Step("\nMin:4\n", 'N', 1)},
        {"a letter alone waits for the number on later lines", "I\n\n  12\nO 1\n",
         Step("", 'I', 12) + Step("\n12\n", 'O', 1)},
        // The letter that stopped the number is read as the next command.
        {"an unparsed number leaves key 0", "I y\nO 1\n",
         Step("", 'I', 0) + Step("Illegal command\n", 'y', 0) + Step("\n0\n", 'O', 1)},
        {"deleted nodes leave an empty tree", "I 2\nI 1\nI 3\nD 2\nD 9\nD 1\nD 3\nC 1\n",
         Step("", 'I', 2) + Step("", 'I', 1) + Step("", 'I', 3) + Step("\n\n", 'D', 2) +
             Step("\n\n", 'D', 9) + Step("\n\n", 'D', 1) + Step("\n\n", 'D', 3) +
             Step("\n0\n", 'C', 1)},
        {"end of input at once", "", ""},
        {"end of input after blank lines", "   \n\n", ""},
        {"end of input after a line", "I 5\n", Step("", 'I', 5)},
        {"end of input without a line end", "I 5", Step("", 'I', 5)},
        // The letter waits for its number, meets the end and runs with key 0.
        {"end of input after a lone letter", "C", Step("\n0\n", 'C', 0)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(wb::RunProgram("driver", {.input = c.input}),
                  (wb::RunResult{Session(c.steps), "", 0}))
            << c.name;
}

TEST(DriverTest, QuitPrintsTheTraceLineAndNoEcho) {
    for (const char *input : {"Q 1\nI 5\n", "q 1\n", "Q\n", "I 5\nQ 1\n"}) {
        wb::RunResult run = wb::RunProgram("driver", {.input = input});
        ASSERT_GE(run.out.size(), kTrace.size()) << input;
        EXPECT_EQ(run.out.substr(run.out.size() - kTrace.size() - 1), "*" + kTrace) << input;
        EXPECT_EQ(run.out.find("COMMAND = Q"), std::string::npos) << input;
        EXPECT_EQ(run.out.find("COMMAND = q"), std::string::npos) << input;
        EXPECT_EQ(run.status, 0) << input;
    }
}

TEST(DriverTest, SignsSpacingAndRangeOfKeys) {
    struct Case {
        std::string line;
        int key;
    } cases[] = {
        {"I -4", -4},
        {"I +4", 4},
        {"I7", 7},
        {"\t I \t 9  ", 9},
        {"I 2147483647", 2147483647},
        {"I -2147483648", -2147483647 - 1},
        {"I 99999999999999999999", 2147483647},
        {"I -99999999999999999999", -2147483647 - 1},
    };
    for (const Case &c : cases) {
        wb::RunResult run = wb::RunProgram("driver", {.input = c.line + "\nO 1\n"});
        std::string listing = "\n";
        listing += std::to_string(c.key) + "\n";
        EXPECT_EQ(run.out, Session(Step("", 'I', c.key) + Step(listing, 'O', 1))) << c.line;
    }
}

// -i draws the tree after each I, D and F with the key's path marked, -j FILE describes each
// drawing; any other argument list leaves the session as it was.
TEST(DriverTest, Views) {
    const std::string commands = wb::SourceFile("trees/samples/commands.txt");
    const std::string plain = wb::RunProgram("driver", {.input = commands}).out;
    const std::string drawn = wb::SourceFile("tests/trees/expected/driver-inside.txt");
    const std::string described = wb::SourceFile("tests/trees/expected/driver-inside.json");
    wb::ExpectViews(
        "driver", {.input = commands}, drawn, described, plain, {"-i", "-x"},
        {{{"-j", "none/tree.json"},
          {"", "driver: cannot write none/tree.json: No such file or directory\n", 2}}});
}

}  // namespace
