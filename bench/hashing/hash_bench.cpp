// Loading the 300-slot table to load factors from 0.1 to 0.99 with distinct random keys. Each
// collision prints a line, which goes to the null device here; the probes of each insertion are
// counted from where it landed, since linear probing steps one slot at a time.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <unordered_set>
#include <vector>

#include "capture_stdout.h"
#include "hashing/hash.h"

namespace {

void Load(benchmark::State &state) {
    const int count = (TableSize * static_cast<int>(state.range(0)) + 50) / 100;
    std::unordered_set<int> seen;
    std::vector<int> keys;
    srand(1);
    while (static_cast<int>(keys.size()) < count)
        if (int key = rand() % 1000000 + 1; seen.insert(key).second) keys.push_back(key);
    long probes = 0;
    wb::WithStdout(std::fopen("/dev/null", "w"), [&] {
        for (auto _ : state) {
            for (record &slot : hashTable)
                slot = record{0, 0};
            probes = 0;
            for (int key : keys)
                probes += (search(key, key) - key % TableSize + TableSize) % TableSize + 1;
        }
    });
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["probes/key"] = static_cast<double>(probes) / count;
}

BENCHMARK(Load)
    ->Name("Load/hash")
    ->ArgsProduct({{10, 25, 50, 75, 90, 95, 99}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
