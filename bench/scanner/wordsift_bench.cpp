// One long line scanned from start to end at two sizes: with a single forward pass the time per
// byte stays the same when the line grows tenfold.
#include <benchmark/benchmark.h>

#include <string>

#include "scanner/wordsift.h"

namespace {

// Words, numbers, punctuation and blanks in the mix of a line of program text.
std::string MakeLine(size_t bytes) {
    static const char *const pieces[] = {"alpha", " ", "x1",    "+", "42", "  ",   "beta7", ";",
                                         "\t",    "(", "gamma", ")", " ",  "\xe9", "z"};
    std::string line;
    for (size_t i = 0; line.size() < bytes; i++)
        line += pieces[i % (sizeof pieces / sizeof pieces[0])];
    line.resize(bytes);
    return line;
}

void ScanLine(benchmark::State &state, spaceOptionT option) {
    const std::string line = MakeLine(static_cast<size_t>(state.range(0)));
    scannerADT scanner = NewScanner();
    SetScannerSpaceOption(scanner, option);
    long tokens = 0;
    for (auto _ : state) {
        SetScannerString(scanner, line.c_str());
        tokens = 0;
        while (MoreTokensExist(scanner)) {
            string token = ReadToken(scanner);
            benchmark::DoNotOptimize(token);
            FreeBlock(token);
            tokens++;
        }
    }
    FreeScanner(scanner);
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.counters["tokens"] = static_cast<double>(tokens);
    state.counters["time/byte"] =
        benchmark::Counter(static_cast<double>(state.iterations() * state.range(0)),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_ScanPreserveSpaces(benchmark::State &state) {
    ScanLine(state, PreserveSpaces);
}
void BM_ScanIgnoreSpaces(benchmark::State &state) {
    ScanLine(state, IgnoreSpaces);
}

BENCHMARK(BM_ScanPreserveSpaces)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanIgnoreSpaces)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
