// Loading the 300-slot table to load factors from 0.1 to 0.99 with distinct random keys. Each
// collision prints a line, which goes to the null device here; the probes of each insertion are
// counted from where it landed, since linear probing steps one slot at a time.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <unordered_set>
#include <vector>

#include "hashing/hash.h"

namespace {

std::vector<int> DistinctKeys(int count) {
    std::vector<int> keys;
    std::unordered_set<int> seen;
    srand(1);
    while (static_cast<int>(keys.size()) < count) {
        int key = rand() % 1000000 + 1;
        if (seen.insert(key).second) keys.push_back(key);
    }
    return keys;
}

void Load(benchmark::State &state) {
    const int percent = static_cast<int>(state.range(0));
    const int count = (TableSize * percent + 50) / 100;
    const std::vector<int> keys = DistinctKeys(count);
    long probes = 0;
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    for (auto _ : state) {
        for (record &slot : hashTable)
            slot = record{0, 0};
        probes = 0;
        for (int key : keys) {
            int slot = search(key, key);
            probes += (slot - key % TableSize + TableSize) % TableSize + 1;
        }
    }
    std::fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(null);
    close(saved);
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["probes/key"] = static_cast<double>(probes) / count;
}

BENCHMARK(Load)
    ->Name("Load/hash")
    ->Arg(10)
    ->Arg(25)
    ->Arg(50)
    ->Arg(75)
    ->Arg(90)
    ->Arg(95)
    ->Arg(99)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
