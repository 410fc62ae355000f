// The sorted-array set at its capacity of 100 entries against a sorted std::vector and std::set:
// filling it in random order, and the difference of two full sets that share half their values.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <random>
#include <set>
#include <vector>

#include "sets/set.h"
#include "support/genlib.h"

namespace {

constexpr int kCapacity = 100;

// Distinct values in random order (so that std::set, which keeps one of each, holds as many).
std::vector<int> Shuffled(int first, unsigned seed) {
    std::vector<int> values;
    for (int i = 0; i < kCapacity; i++)
        values.push_back(first + 2 * i);
    std::shuffle(values.begin(), values.end(), std::mt19937(seed));
    return values;
}

const std::vector<int> kA = Shuffled(0, 1), kB = Shuffled(kCapacity, 2);  // B: A's upper half on

using Sortbag = std::unique_ptr<setCDT, void (*)(void *)>;  // the set, released with FreeBlock

Sortbag SortbagOf(const std::vector<int> &values) {
    Sortbag set(NewSet(), FreeBlock);
    for (int value : values)
        setInsertElementSorted(set.get(), value);
    return set;
}

// A value goes after its equals, as in the module.
std::vector<int> VectorOf(const std::vector<int> &values) {
    std::vector<int> sorted;
    sorted.reserve(kCapacity);
    for (int value : values)
        sorted.insert(std::upper_bound(sorted.begin(), sorted.end(), value), value);
    return sorted;
}

std::set<int> StdSetOf(const std::vector<int> &values) {
    return {values.begin(), values.end()};
}

Sortbag Minus(const Sortbag &a, const Sortbag &b) {
    return Sortbag(setDifference(a.get(), b.get()), FreeBlock);
}

template <class C>
C Minus(const C &a, const C &b) {
    C difference;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(),
                        std::inserter(difference, difference.end()));
    return difference;
}

template <auto Of>
void Fill(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Of(kA));
    state.SetItemsProcessed(state.iterations() * kCapacity);
}

template <auto Of>
void Difference(benchmark::State &state) {
    const auto a = Of(kA), b = Of(kB);
    for (auto _ : state)
        benchmark::DoNotOptimize(Minus(a, b));
}

BENCHMARK(Fill<SortbagOf>)->Name("Fill/sortbag")->Arg(kCapacity);
BENCHMARK(Fill<VectorOf>)->Name("Fill/vector")->Arg(kCapacity);
BENCHMARK(Fill<StdSetOf>)->Name("Fill/std_set")->Arg(kCapacity);
BENCHMARK(Difference<SortbagOf>)->Name("Difference/sortbag")->Arg(kCapacity);
BENCHMARK(Difference<VectorOf>)->Name("Difference/vector")->Arg(kCapacity);
BENCHMARK(Difference<StdSetOf>)->Name("Difference/std_set")->Arg(kCapacity);

}  // namespace
