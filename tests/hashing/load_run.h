// One seeded load of hashprobe's table, for the check of its collision lines and the plot alike.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <string>
#include <unordered_set>
#include <vector>

#include "capture_stdout.h"
#include "hashing/hash.h"

namespace wb {

enum LoadPhase { kInserting, kFinding, kMissing };

// The load factors the plot sweeps.
constexpr double kLoads[] = {0.1, 0.2,  0.3, 0.4,  0.5,  0.6,  0.7,
                             0.8, 0.85, 0.9, 0.93, 0.95, 0.97, 0.99};

// Clears the table, seeds rand, inserts distinct random keys up to load, searches for each again,
// then for 20 fresh keys (each taken out again at once); after every search calls
// searched(phase, key, slot, the collision lines it printed).
template <class Searched>
void LoadRun(unsigned seed, double load, Searched searched) {
    srand(seed);
    std::fill(std::begin(hashTable), std::end(hashTable), record{0, 0});
    std::unordered_set<int> used;
    auto fresh = [&] {
        for (;;)
            if (int key = rand() % 1000000 + 1; used.insert(key).second) return key;
    };
    auto probe = [&](LoadPhase phase, int key) {
        int slot = 0;
        std::string printed = CaptureStdout([&] { slot = search(key, key); });
        searched(phase, key, slot, std::count(printed.begin(), printed.end(), '\n'));
        return slot;
    };
    std::vector<int> keys(static_cast<size_t>(load * static_cast<int>(TableSize) + 0.5));
    for (int &key : keys)
        probe(kInserting, key = fresh());
    for (int key : keys)
        probe(kFinding, key);
    for (int miss = 0; miss < 20; miss++)
        hashTable[probe(kMissing, fresh())] = record{0, 0};
}

}  // namespace wb
