// Average probes of the hash module against the load factor, for the plot. For each load factor
// and each of many seeded runs: clear the table, insert distinct random keys up to that load,
// search each again (a successful search), then offer fresh keys (unsuccessful searches, each
// taken out again at once). A search's probes are its printed collision lines plus the slot that
// ends it. Prints per load factor
//   a  successful  unsuccessful  1/2(1 + 1/(1-a))  1/2(1 + 1/(1-a)^2)
// the last two being linear probing's expected costs for a large table.
// Usage: probe_table [runs]   (1000 by default).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unordered_set>
#include <vector>

#include "bench/common/capture.h"
#include "hashing/hash.h"

namespace {

constexpr int kMisses = 20;  // unsuccessful searches per run

// Probes of one call to search; checks the printed count against where the key landed.
long Probes(int key, int *slot) {
    wb::Capture capture;
    capture.Begin();
    *slot = search(key, key);
    std::string printed = capture.End();
    long lines = std::count(printed.begin(), printed.end(), '\n');
    if (lines != (*slot - key % TableSize + TableSize) % TableSize) {
        std::fprintf(stderr, "probe_table: key %d printed %ld collisions\n", key, lines);
        std::exit(1);
    }
    return lines + 1;
}

int FreshKey(std::unordered_set<int> &used) {
    for (;;) {
        int key = rand() % 1000000 + 1;
        if (used.insert(key).second) return key;
    }
}

}  // namespace

int main(int argc, char *argv[]) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 1000;
    static const double loads[] = {0.1, 0.2,  0.3, 0.4,  0.5,  0.6,  0.7,
                                   0.8, 0.85, 0.9, 0.93, 0.95, 0.97, 0.99};
    std::printf("# a  successful  unsuccessful  knuth_successful  knuth_unsuccessful  (%d runs)\n",
                runs);
    for (double a : loads) {
        const int count = static_cast<int>(a * static_cast<int>(TableSize) + 0.5);
        double hits = 0;
        double misses = 0;
        for (int run = 1; run <= runs; run++) {
            srand(static_cast<unsigned>(run));
            for (record &slot : hashTable)
                slot = record{0, 0};
            std::unordered_set<int> used;
            std::vector<int> keys;
            int slot;
            for (int i = 0; i < count; i++) {
                keys.push_back(FreshKey(used));
                Probes(keys.back(), &slot);
            }
            for (int key : keys)
                hits += static_cast<double>(Probes(key, &slot)) / count;
            for (int i = 0; i < kMisses; i++) {
                misses += static_cast<double>(Probes(FreshKey(used), &slot)) / kMisses;
                hashTable[slot] = record{0, 0};
            }
        }
        std::printf("%.2f %.4f %.4f %.4f %.4f\n", a, hits / runs, misses / runs,
                    0.5 * (1 + 1 / (1 - a)), 0.5 * (1 + 1 / ((1 - a) * (1 - a))));
    }
    return 0;
}
