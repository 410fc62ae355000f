// The tree library against std::set: building a tree of n keys in random and in sorted order.
// The tree is never rebalanced, so sorted keys make it a chain n deep and each insertion walks
// it: the build costs O(N^2) against std::set's O(N log N).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <set>
#include <vector>

#include "support/bst.h"

namespace {

std::vector<int> Keys(long n, bool sorted) {
    std::vector<int> keys(static_cast<size_t>(n));
    for (long i = 0; i < n; i++)
        keys[static_cast<size_t>(i)] = static_cast<int>(i);
    if (!sorted) {
        srand(1);
        for (long i = n - 1; i > 0; i--)
            std::swap(keys[static_cast<size_t>(i)], keys[static_cast<size_t>(rand() % (i + 1))]);
    }
    return keys;
}

void BuildBst(benchmark::State &state, bool sorted) {
    const std::vector<int> keys = Keys(state.range(0), sorted);
    for (auto _ : state) {
        treeT tree = nullptr;
        for (int key : keys)
            InsertNode(&tree, key);
        benchmark::DoNotOptimize(tree);
        state.PauseTiming();
        // In insertion order each deleted key is the root, or close to it.
        for (int key : keys)
            DeleteNode(&tree, key);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

void BuildStdSet(benchmark::State &state, bool sorted) {
    const std::vector<int> keys = Keys(state.range(0), sorted);
    for (auto _ : state) {
        std::set<int> tree;
        for (int key : keys)
            tree.insert(key);
        benchmark::DoNotOptimize(tree);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

const int kRegistered = [] {
    for (bool sorted : {false, true}) {
        const char *order = sorted ? "BuildSorted" : "BuildRandom";
        benchmark::RegisterBenchmark((std::string(order) + "/bst").c_str(), BuildBst, sorted)
            ->RangeMultiplier(2)
            ->Range(1 << 10, 1 << 14)
            ->Unit(benchmark::kMicrosecond)
            ->Complexity(sorted ? benchmark::oNSquared : benchmark::oNLogN);
        benchmark::RegisterBenchmark((std::string(order) + "/std_set").c_str(), BuildStdSet, sorted)
            ->RangeMultiplier(2)
            ->Range(1 << 10, 1 << 14)
            ->Unit(benchmark::kMicrosecond)
            ->Complexity(benchmark::oNLogN);
    }
    return 0;
}();

}  // namespace
