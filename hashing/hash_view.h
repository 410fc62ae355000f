/*
 * hash_view.h: hashprobe's drawing of its table (hashprobe -i, -j FILE), read from hashTable
 * as the program's own units read it, through support/view.h. Not installed.
 *
 * The table is drawn as its runs: the stretches of occupied slots between empty ones, which
 * is where linear probing spends its time. Each key is shown with its home slot and the
 * number of slots its search looks at (one more than its collision lines), all read from the
 * table: a key stands (probes - 1) slots past its home, wrapping from 299 to 0. Text:
 *   "  table after 305 (slot 6): 2 keys in 1 run"
 *   "    slots 5-6: 5 (home 5, 1 probe) 305 (home 5, 2 probes)"
 *   "  runs by length: 2 x 1; longest 2"
 * Description, one object a drawing:
 *   {"kind":"table","key":305,"slot":6,"size":300,"keys":2,
 *    "runs":[{"start":5,"end":6,"length":2,
 *             "slots":[{"slot":5,"key":5,"value":5,"home":5,"probes":1},...]},...],
 *    "lengths":[{"length":2,"runs":1},...],"longest":2}
 * Runs in slot order from the first slot after an empty one; a run that wraps ends at a slot
 * below its start, and one that fills the table starts at 0. Every slot in no run is empty.
 */
#ifndef WORKBENCH_HASHING_HASH_VIEW_H
#define WORKBENCH_HASHING_HASH_VIEW_H

#include "support/view.h"

/* Draws the table as it stands after key has been stored in slot. */
void DrawTable(viewT *view, int key, int slot);

#endif
