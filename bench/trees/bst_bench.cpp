// The tree library against std::set: building a tree of n keys in random and in sorted order.
// The tree is never rebalanced, so sorted keys make it a chain n deep and each insertion walks
// it: the build costs O(N^2) against std::set's O(N log N).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>
#include <vector>

#include "support/bst.h"

namespace {

std::vector<int> Keys(benchmark::State &state, bool sorted) {
    std::vector<int> keys(static_cast<size_t>(state.range(0)));
    std::iota(keys.begin(), keys.end(), 0);
    if (!sorted) std::shuffle(keys.begin(), keys.end(), std::mt19937(1));
    state.SetComplexityN(state.range(0));
    return keys;
}

void BuildBst(benchmark::State &state, bool sorted) {
    const std::vector<int> keys = Keys(state, sorted);
    for (auto _ : state) {
        treeT tree = nullptr;
        for (int key : keys)
            InsertNode(&tree, key);
        benchmark::DoNotOptimize(tree);
        state.PauseTiming();
        for (int key : keys)  // in insertion order each is the root, or close to it
            DeleteNode(&tree, key);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BuildStdSet(benchmark::State &state, bool sorted) {
    const std::vector<int> keys = Keys(state, sorted);
    for (auto _ : state) {
        std::set<int> tree;
        for (int key : keys)
            tree.insert(key);
        benchmark::DoNotOptimize(tree);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Keys 1 Ki to 16 Ki, named Build<order>/<subject>, fitting O(N log N) unless said otherwise.
void Sizes(benchmark::internal::Benchmark *family) {
    family->RangeMultiplier(2)->Range(1 << 10, 1 << 14)->Unit(benchmark::kMicrosecond);
    family->Complexity(benchmark::oNLogN);
}

using benchmark::oNSquared;
BENCHMARK_CAPTURE(BuildBst, , false)->Name("BuildRandom/bst")->Apply(Sizes);
BENCHMARK_CAPTURE(BuildStdSet, , false)->Name("BuildRandom/std_set")->Apply(Sizes);
BENCHMARK_CAPTURE(BuildBst, , true)->Name("BuildSorted/bst")->Apply(Sizes)->Complexity(oNSquared);
BENCHMARK_CAPTURE(BuildStdSet, , true)->Name("BuildSorted/std_set")->Apply(Sizes);

}  // namespace
