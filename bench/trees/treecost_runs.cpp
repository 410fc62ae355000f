// The search-cost experiment averaged over many seeded runs, for the plot: the experiment step of
// the tree module runs unchanged, with the calendar time it seeds from replaced by the run's
// number (the link wraps time()), and the row it prints is read back. For each n prints
//   n  average visits over the runs  log2(n) as the program prints it  2(H(n+1) - 1)
// where the last is the expected cost of a search that misses in a random search tree.
// Usage: treecost_runs [runs]   (1000 by default). Exits 1 if a row's average is not a whole
// number of visits over the 100 searches, which is what the program promises.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "bench/common/capture.h"
#include "trees/tree.h"

namespace {
time_t seed = 0;
}

extern "C" time_t __wrap_time(time_t *out) {
    if (out != nullptr) *out = seed;
    return seed;
}

namespace {

// One experiment step for n keys with the given seed; its average from the printed row.
bool Step(int n, time_t runSeed, double *average, double *log2n) {
    seed = runSeed;
    sizeOfTree = n;
    wb::Capture capture;
    capture.Begin();
    generateRandomNumSequence();
    std::string row = capture.End();
    int printedN;
    if (std::sscanf(row.c_str(), "%d %lf %lf", &printedN, average, log2n) != 3 || printedN != n)
        return false;
    double hundredths = *average * 100;
    return std::fabs(hundredths - std::round(hundredths)) < 1e-6;
}

double ExpectedMiss(int n) {
    double harmonic = 0;
    for (int k = 1; k <= n + 1; k++)
        harmonic += 1.0 / k;
    return 2 * (harmonic - 1);
}

}  // namespace

int main(int argc, char *argv[]) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 1000;
    static const int sizes[] = {5,  10,  15,  20,  25,  30,  35,  40,   45,   50,
                                75, 100, 150, 200, 300, 500, 700, 1000, 1500, 2000};
    std::printf("# n  average_visits  log2_n  expected_miss_2(H(n+1)-1)  (%d runs each)\n", runs);
    for (int n : sizes) {
        double sum = 0;
        double log2n = 0;
        for (int run = 1; run <= runs; run++) {
            double average;
            if (!Step(n, run, &average, &log2n)) {
                std::fprintf(stderr, "treecost_runs: bad row for n=%d, run %d\n", n, run);
                return 1;
            }
            sum += average;
        }
        std::printf("%d %.4f %.5f %.4f\n", n, sum / runs, log2n, ExpectedMiss(n));
    }
    return 0;
}
