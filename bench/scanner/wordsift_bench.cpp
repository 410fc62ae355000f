// The scanner against two plain C tokenisers over the same text: one that hands each token out
// as a fresh malloc string, as the scanner does, and one that only points into the text, for
// reference. One long line at two sizes: with a single forward pass the time per byte stays the
// same when the line grows tenfold.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
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

void Count(benchmark::State &state, long tokens) {
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetItemsProcessed(state.iterations() * tokens);
    state.counters["tokens"] = static_cast<double>(tokens);
}

void Wordsift(benchmark::State &state, spaceOptionT option) {
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
    Count(state, tokens);
}

// The peers: the same character classes, in the C a program would write by hand.
bool IsWordChar(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool IsBlank(unsigned char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Moves *at past the next token and returns its length; 0 at the end of the text.
size_t NextToken(const char **at, bool skipSpaces, const char **start) {
    const char *p = *at;
    if (skipSpaces)
        while (IsBlank(static_cast<unsigned char>(*p)))
            p++;
    *start = p;
    if (*p == '\0') return 0;
    if (IsWordChar(static_cast<unsigned char>(*p))) {
        while (IsWordChar(static_cast<unsigned char>(*p)))
            p++;
    } else {
        p++;
    }
    *at = p;
    return static_cast<size_t>(p - *start);
}

// The plain C tokeniser, handing each token out as a fresh malloc string or, for reference, only
// as its span in the line.
template <bool Allocate>
void CTokens(benchmark::State &state, spaceOptionT option) {
    const std::string line = MakeLine(static_cast<size_t>(state.range(0)));
    long tokens = 0;
    for (auto _ : state) {
        const char *at = line.c_str();
        const char *start;
        tokens = 0;
        for (size_t n; (n = NextToken(&at, option == IgnoreSpaces, &start)) > 0; tokens++) {
            if constexpr (Allocate) {
                char *token = static_cast<char *>(std::malloc(n + 1));
                std::memcpy(token, start, n);
                token[n] = '\0';
                benchmark::DoNotOptimize(token);
                std::free(token);
            } else {
                benchmark::DoNotOptimize(start);
                benchmark::DoNotOptimize(n);
            }
        }
    }
    Count(state, tokens);
}

const int kRegistered = [] {
    struct Mode {
        const char *name;
        spaceOptionT option;
    };
    for (Mode mode :
         {Mode{"ScanIgnoreSpaces", IgnoreSpaces}, Mode{"ScanPreserveSpaces", PreserveSpaces}}) {
        struct Subject {
            const char *name;
            void (*run)(benchmark::State &, spaceOptionT);
        };
        for (Subject subject : {Subject{"wordsift", Wordsift}, Subject{"c_malloc", CTokens<true>},
                                Subject{"c_span", CTokens<false>}}) {
            std::string name = std::string(mode.name) + "/" + subject.name;
            benchmark::RegisterBenchmark(name.c_str(), subject.run, mode.option)
                ->Arg(1 << 20)
                ->Arg(10 << 20)
                ->Unit(benchmark::kMillisecond);
        }
    }
    return 0;
}();

}  // namespace
