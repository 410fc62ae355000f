// Out of memory in every library module: each allocation of a constructor and of the work that
// grows what it built, made to fail in turn, ends the program the documented way.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "alloc_sweep.h"
#include "scanner/wordsift.h"
#include "sets/set.h"
#include "support/bst.h"
#include "support/charstack.h"
#include "support/textlib.h"
#include "words/lotdraw.h"

namespace {

TEST(AllocationSweepTest, EveryFailureEndsTheDocumentedWay) {
    const std::string kGetBlock = "Out of memory\n";
    struct Case {
        const char *name;
        std::function<void()> body;
        std::string message;
    } cases[] = {
        {"charstack: a new stack pushed past its first size",
         [] {
             stackADT stack = NewStack();
             for (int i = 0; i < 300; i++)
                 Push(stack, 'x');
             FreeStack(stack);
         },
         kGetBlock},
        {"textlib: copies and substrings",
         [] {
             FreeBlock(CopyString("workbench"));
             FreeBlock(SubString("workbench", 2, 5));
         },
         kGetBlock},
        {"bst: inserts",
         [] {
             treeT tree = nullptr;
             for (int key : {5, 2, 8, 1, 9})
                 InsertNode(&tree, key);
             for (int key : {5, 2, 8, 1, 9})
                 DeleteNode(&tree, key);
         },
         kGetBlock},
        {"wordsift: a scanner on a line, read to its end",
         [] {
             scannerADT scanner = NewScanner();
             SetScannerString(scanner, "ab12+c  x");
             while (MoreTokensExist(scanner))
                 FreeBlock(ReadToken(scanner));
             FreeScanner(scanner);
         },
         kGetBlock},
        {"sortbag: new sets and a difference",
         [] {
             setADT a = setInsertElementSorted(NewSet(), 3), b = NewSet();
             setADT difference = setDifference(a, b);
             FreeBlock(a);
             FreeBlock(b);
             FreeBlock(difference);
         },
         kGetBlock},
        {"lotdraw: a dictionary loaded from a file",
         [] {
             InitDictionary(WORKBENCH_SOURCE_DIR "/words/samples/words.txt");
             free_all();
         },
         "lotdraw: out of memory\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        wb::SweepResult sweep = wb::SweepAllocations(c.body, c.message);
        EXPECT_EQ(sweep.failure, "");
        EXPECT_GT(sweep.allocations, 0);
    }
}

}  // namespace
