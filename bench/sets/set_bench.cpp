// The sorted-array set at its capacity of 100 entries against a sorted std::vector and std::set:
// filling it in random order, and the difference of two full sets that share half their values.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <set>
#include <vector>

#include "sets/set.h"
#include "support/genlib.h"

namespace {

constexpr int kCapacity = 100;

// Distinct values in random order (so that std::set, which keeps one of each, holds as many).
std::vector<int> Shuffled(int first, unsigned seed) {
    std::vector<int> values(kCapacity);
    for (int i = 0; i < kCapacity; i++)
        values[static_cast<size_t>(i)] = first + 2 * i;
    srand(seed);
    for (int i = kCapacity - 1; i > 0; i--)
        std::swap(values[static_cast<size_t>(i)], values[static_cast<size_t>(rand() % (i + 1))]);
    return values;
}

const std::vector<int> kA = Shuffled(0, 1);
const std::vector<int> kB = Shuffled(kCapacity, 2);  // the upper half of kA's values, and more

setADT SortbagOf(const std::vector<int> &values) {
    setADT set = NewSet();
    for (int value : values)
        setInsertElementSorted(set, value);
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

void FillSortbag(benchmark::State &state) {
    for (auto _ : state) {
        setADT set = SortbagOf(kA);
        benchmark::DoNotOptimize(set);
        FreeBlock(set);
    }
    state.SetItemsProcessed(state.iterations() * kCapacity);
}

void FillVector(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(VectorOf(kA));
    state.SetItemsProcessed(state.iterations() * kCapacity);
}

void FillStdSet(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(std::set<int>(kA.begin(), kA.end()));
    state.SetItemsProcessed(state.iterations() * kCapacity);
}

void DifferenceSortbag(benchmark::State &state) {
    setADT a = SortbagOf(kA);
    setADT b = SortbagOf(kB);
    for (auto _ : state) {
        setADT difference = setDifference(a, b);
        benchmark::DoNotOptimize(difference);
        FreeBlock(difference);
    }
    FreeBlock(a);
    FreeBlock(b);
}

void DifferenceVector(benchmark::State &state) {
    const std::vector<int> a = VectorOf(kA);
    const std::vector<int> b = VectorOf(kB);
    for (auto _ : state) {
        std::vector<int> difference;
        std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(difference));
        benchmark::DoNotOptimize(difference);
    }
}

void DifferenceStdSet(benchmark::State &state) {
    const std::set<int> a(kA.begin(), kA.end());
    const std::set<int> b(kB.begin(), kB.end());
    for (auto _ : state) {
        std::set<int> difference;
        std::set_difference(a.begin(), a.end(), b.begin(), b.end(),
                            std::inserter(difference, difference.end()));
        benchmark::DoNotOptimize(difference);
    }
}

BENCHMARK(FillSortbag)->Name("Fill/sortbag")->Arg(kCapacity);
BENCHMARK(FillVector)->Name("Fill/vector")->Arg(kCapacity);
BENCHMARK(FillStdSet)->Name("Fill/std_set")->Arg(kCapacity);
BENCHMARK(DifferenceSortbag)->Name("Difference/sortbag")->Arg(kCapacity);
BENCHMARK(DifferenceVector)->Name("Difference/vector")->Arg(kCapacity);
BENCHMARK(DifferenceStdSet)->Name("Difference/std_set")->Arg(kCapacity);

}  // namespace
