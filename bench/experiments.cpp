// The experiments behind two plots, each over the given number of seeded runs, in the order
// named: `experiments <runs> search|probes...`. search: per n, the average visits of treecost's
// experiment step (seeded with the run's number), log2 n as printed, and 2(H(n+1) - 1), what a miss
// costs in a random search tree. probes: per load factor a of hashprobe's table, the average probes
// (collision lines printed, plus one) of a search for each key and for fresh ones, and linear
// probing's expected costs for a large table, 1/2(1 + 1/(1-a)) and 1/2(1 + 1/(1-a)^2).
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/hashing/load_run.h"
#include "tests/trees/seeded_step.h"

namespace {

void SearchCost(int runs) {
    std::printf("# n  average_visits  log2_n  expected_miss_2(H(n+1)-1)  (%d runs each)\n", runs);
    for (int n : wb::kTreeSizes) {
        double sum = 0, average = 0, log2n = 0, harmonic = 0;
        for (int run = 1; run <= runs; run++) {
            wb::SeededStep(n, run, &average, &log2n);
            sum += average;
        }
        for (int k = 1; k <= n + 1; k++)
            harmonic += 1.0 / k;
        std::printf("%d %.4f %.5f %.4f\n", n, sum / runs, log2n, 2 * (harmonic - 1));
    }
}

void Probes(int runs) {
    std::printf("# a  successful  unsuccessful  knuth_successful  knuth_unsuccessful  (%d runs)\n",
                runs);
    for (double a : wb::kLoads) {
        double probes[3] = {}, searches[3] = {};  // by phase, over all runs
        for (int run = 1; run <= runs; run++)
            wb::LoadRun(run, a, [&](wb::LoadPhase phase, int, int, long lines) {
                probes[phase] += static_cast<double>(lines + 1);
                searches[phase]++;
            });
        std::printf("%.2f %.4f %.4f %.4f %.4f\n", a, probes[wb::kFinding] / searches[wb::kFinding],
                    probes[wb::kMissing] / searches[wb::kMissing], 0.5 * (1 + 1 / (1 - a)),
                    0.5 * (1 + 1 / ((1 - a) * (1 - a))));
    }
}

}  // namespace

int main(int argc, char *argv[]) {
    for (int i = 2; i < argc; i++)
        std::strcmp(argv[i], "search") == 0 ? SearchCost(std::atoi(argv[1]))
                                            : Probes(std::atoi(argv[1]));
    return argc > 2 ? 0 : 2;
}
