// The scanner against the same token rules in the C a program would write by hand, handing out
// each token as a fresh malloc string, as the scanner does, or for reference only pointing into
// the text. One long line at two sizes: with a single forward pass the time per byte stays the
// same when the line grows tenfold.
#include <benchmark/benchmark.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "scanner/wordsift.h"

namespace {

// Words, numbers, punctuation and blanks in the mix of a line of program text, of the
// benchmark's length; counts the tokens of one pass over it.
template <class Pass>
void Scan(benchmark::State &state, Pass pass) {
    static const char *const pieces[] = {"alpha", " ", "x1",    "+", "42", "  ",   "beta7", ";",
                                         "\t",    "(", "gamma", ")", " ",  "\xe9", "z"};
    std::string line;
    for (size_t i = 0; line.size() < static_cast<size_t>(state.range(0)); i++)
        line += pieces[i % std::size(pieces)];
    line.resize(static_cast<size_t>(state.range(0)));
    long tokens = 0;
    for (auto _ : state)
        tokens = pass(line.c_str());
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetItemsProcessed(state.iterations() * tokens);
    state.counters["tokens"] = static_cast<double>(tokens);
}

void Wordsift(benchmark::State &state, spaceOptionT option) {
    scannerADT scanner = NewScanner();
    SetScannerSpaceOption(scanner, option);
    Scan(state, [&](const char *line) {
        long tokens = 0;
        for (SetScannerString(scanner, line); MoreTokensExist(scanner); tokens++) {
            string token = ReadToken(scanner);
            benchmark::DoNotOptimize(token);
            FreeBlock(token);
        }
        return tokens;
    });
    FreeScanner(scanner);
}

// In the C locale, as here, isalnum is A-Z, a-z and 0-9.
void ByHand(benchmark::State &state, spaceOptionT option, bool allocate) {
    Scan(state, [&](const char *p) {
        long tokens = 0;
        while (*p != '\0') {
            const char *start = p++;
            if (option == IgnoreSpaces && isspace(static_cast<unsigned char>(*start))) continue;
            while (isalnum(static_cast<unsigned char>(*start)) &&
                   isalnum(static_cast<unsigned char>(*p)))
                p++;
            tokens++;
            if (!allocate) {
                benchmark::DoNotOptimize(start);
                continue;
            }
            char *token = strndup(start, static_cast<size_t>(p - start));
            benchmark::DoNotOptimize(token);
            std::free(token);
        }
        return tokens;
    });
}

// Named <mode>/<subject>, over lines of 1 MB and 10 MB.
void Lines(benchmark::internal::Benchmark *family) {
    family->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(Wordsift, , IgnoreSpaces)->Name("ScanIgnoreSpaces/wordsift")->Apply(Lines);
BENCHMARK_CAPTURE(ByHand, , IgnoreSpaces, true)->Name("ScanIgnoreSpaces/c_malloc")->Apply(Lines);
BENCHMARK_CAPTURE(ByHand, , IgnoreSpaces, false)->Name("ScanIgnoreSpaces/c_span")->Apply(Lines);
BENCHMARK_CAPTURE(Wordsift, , PreserveSpaces)->Name("ScanPreserveSpaces/wordsift")->Apply(Lines);
BENCHMARK_CAPTURE(ByHand, , PreserveSpaces, true)
    ->Name("ScanPreserveSpaces/c_malloc")
    ->Apply(Lines);
BENCHMARK_CAPTURE(ByHand, , PreserveSpaces, false)->Name("ScanPreserveSpaces/c_span")->Apply(Lines);

}  // namespace
