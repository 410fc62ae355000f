/* hash_view: the table's runs of occupied slots, each key's home and probes, the run lengths. */
#include "hashing/hash_view.h"

#include "hashing/hash.h"

/* Where the walk over the runs starts: the slot after an empty one, or 0 in a full table. */
static int FirstRunSlot(void) {
    for (int i = 0; i < TableSize; i++)
        if (hashTable[i].k == 0) return (i + 1) % TableSize;
    return 0;
}

static void DrawKey(viewT *view, int slot) {
    int key = hashTable[slot].k;
    int home = static_cast<int>(hash(key));
    int probes = (slot - home + TableSize) % TableSize + 1;
    ViewText(view, " %d (home %d, %d probe%s)", key, home, probes, probes == 1 ? "" : "s");
    ViewOpen(view, nullptr, '{');
    ViewNumber(view, "slot", slot);
    ViewNumber(view, "key", key);
    ViewNumber(view, "value", hashTable[slot].r);
    ViewNumber(view, "home", home);
    ViewNumber(view, "probes", probes);
    ViewClose(view);
}

/* Draws the run of length slots from start, which are all occupied. */
static void DrawRun(viewT *view, int start, int length) {
    int end = (start + length - 1) % TableSize;
    ViewText(view, "    slot%s %d", length == 1 ? "" : "s", start);
    if (length > 1) ViewText(view, "-%d", end);
    ViewText(view, ":");
    ViewOpen(view, nullptr, '{');
    ViewNumber(view, "start", start);
    ViewNumber(view, "end", end);
    ViewNumber(view, "length", length);
    ViewOpen(view, "slots", '[');
    for (int i = 0; i < length; i++)
        DrawKey(view, (start + i) % TableSize);
    ViewClose(view);
    ViewClose(view);
    ViewText(view, "\n");
}

void DrawTable(viewT *view, int key, int slot) {
    int first = FirstRunSlot();
    /* runsOf[n]: how many runs are n slots long. */
    int runsOf[TableSize + 1] = {};
    int keys = 0;
    int runs = 0;
    int longest = 0;
    for (int i = 0, length = 0; i < TableSize; i++) {
        bool taken = hashTable[(first + i) % TableSize].k != 0;
        if (taken) length++;
        if (length > 0 && (!taken || i == TableSize - 1)) {
            runsOf[length]++;
            runs++;
            keys += length;
            if (length > longest) longest = length;
            length = 0;
        }
    }
    ViewText(view, "  table after %d (slot %d): %d key%s in %d run%s\n", key, slot, keys,
             keys == 1 ? "" : "s", runs, runs == 1 ? "" : "s");
    ViewOpen(view, nullptr, '{');
    ViewString(view, "kind", "table");
    ViewNumber(view, "key", key);
    ViewNumber(view, "slot", slot);
    ViewNumber(view, "size", TableSize);
    ViewNumber(view, "keys", keys);
    ViewOpen(view, "runs", '[');
    for (int i = 0, length = 0; i < TableSize; i++) {
        bool taken = hashTable[(first + i) % TableSize].k != 0;
        if (taken) length++;
        if (length > 0 && (!taken || i == TableSize - 1)) {
            DrawRun(view, (first + i - length + (taken ? 1 : 0)) % TableSize, length);
            length = 0;
        }
    }
    ViewClose(view);
    ViewText(view, "  runs by length:");
    ViewOpen(view, "lengths", '[');
    for (int n = 1, shown = 0; n <= TableSize; n++) {
        if (runsOf[n] == 0) continue;
        ViewText(view, "%s %d x %d", shown++ == 0 ? "" : ",", n, runsOf[n]);
        ViewOpen(view, nullptr, '{');
        ViewNumber(view, "length", n);
        ViewNumber(view, "runs", runsOf[n]);
        ViewClose(view);
    }
    ViewClose(view);
    ViewText(view, "; longest %d\n", longest);
    ViewNumber(view, "longest", longest);
    ViewClose(view);
}
