// The main of every benchmark binary: Google Benchmark's usual console and file output, then a
// summary that sets each of our modules beside its peers and checks each complexity fit.
//
// Benchmarks are named <operation>/<subject>[/<arguments>]. Within one operation and argument
// list, the subject that is not one of the peers named below is ours: the summary prints
// ours/peer for each peer, in whatever order the runs came (repetitions may be interleaved). When
// runs are repeated, the median stands for the run. Fits come from Complexity(<expected class>):
// the class is the one asserted, and a relative RMS above the cap means the measurements do not
// follow it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr double kRmsCap = 0.30;

// The peers' subject names across all benchmark files.
bool IsPeer(const std::string &subject) {
    for (const char *peer : {"string", "c_malloc", "c_span", "vector", "std_set"})
        if (subject == peer) return true;
    return false;
}

struct Measured {
    double perItemNs = 0;
    bool median = false;
};

struct Fit {
    std::string name;
    benchmark::BigO complexity = benchmark::oNone;
    double rms = -1;
};

const char *ClassName(benchmark::BigO complexity) {
    switch (complexity) {
        case benchmark::o1:
            return "O(1)";
        case benchmark::oN:
            return "O(N)";
        case benchmark::oNSquared:
            return "O(N^2)";
        case benchmark::oNCubed:
            return "O(N^3)";
        case benchmark::oLogN:
            return "O(lgN)";
        case benchmark::oNLogN:
            return "O(NlgN)";
        default:
            return "O(?)";
    }
}

// Time per item processed when the benchmark counts items, otherwise per iteration; CPU time,
// which another process on the machine disturbs less than wall time.
double PerItemNs(const benchmark::BenchmarkReporter::Run &run) {
    double scale = benchmark::GetTimeUnitMultiplier(run.time_unit);
    double perIteration = run.GetAdjustedCPUTime() / scale * 1e9;
    auto items = run.counters.find("items_per_second");
    if (items != run.counters.end() && items->second.value > 0) return 1e9 / items->second.value;
    return perIteration;
}

class PairingReporter : public benchmark::ConsoleReporter {
   public:
    void ReportRuns(const std::vector<Run> &runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            Collect(run);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        PrintPairs();
        PrintFits();
    }

   private:
    struct Group {
        std::vector<std::string> subjects;
        std::map<std::string, Measured> bySubject;
    };
    std::vector<std::string> order_;
    std::map<std::string, Group> groups_;
    std::vector<Fit> fits_;

    void Collect(const Run &run) {
        if (run.error_occurred) return;
        std::string name = run.run_name.str();
        if (run.report_big_o || run.report_rms) {
            CollectFit(run, name);
            return;
        }
        bool median = run.run_type == Run::RT_Aggregate;
        if (median && run.aggregate_name != "median") return;
        size_t first = name.find('/');
        if (first == std::string::npos) return;
        size_t second = name.find('/', first + 1);
        std::string subject = name.substr(
            first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
        std::string key = name.substr(0, first);
        if (second != std::string::npos) key += name.substr(second);
        auto [it, fresh] = groups_.try_emplace(key);
        if (fresh) order_.push_back(key);
        Group &group = it->second;
        Measured &slot = group.bySubject[subject];
        if (slot.perItemNs == 0) group.subjects.push_back(subject);
        // A median replaces single repetitions; without repetitions the one run stands.
        if (median || !slot.median) slot = Measured{PerItemNs(run), median};
    }

    // The fit's two runs carry the benchmark's family name, without arguments.
    void CollectFit(const Run &run, const std::string &name) {
        if (fits_.empty() || fits_.back().name != name) fits_.push_back(Fit{name});
        if (run.report_big_o) fits_.back().complexity = run.complexity;
        if (run.report_rms) fits_.back().rms = run.GetAdjustedCPUTime();
    }

    void PrintPairs() const {
        bool any = false;
        for (const std::string &key : order_) {
            const Group &group = groups_.at(key);
            if (group.subjects.size() < 2) continue;
            if (!any) std::printf("\nSide by side (ns per item, ours / peer):\n");
            any = true;
            auto oursAt = std::find_if(group.subjects.begin(), group.subjects.end(),
                                       [](const std::string &s) { return !IsPeer(s); });
            if (oursAt == group.subjects.end()) continue;
            const std::string &ours = *oursAt;
            double oursNs = group.bySubject.at(ours).perItemNs;
            for (const std::string &peer : group.subjects) {
                if (!IsPeer(peer)) continue;
                double peerNs = group.bySubject.at(peer).perItemNs;
                std::printf("  %-34s %-9s %11.3f  %-9s %11.3f  ratio %8.3f\n", key.c_str(),
                            ours.c_str(), oursNs, peer.c_str(), peerNs, oursNs / peerNs);
            }
        }
        std::fflush(stdout);
    }

    void PrintFits() const {
        if (fits_.empty()) return;
        std::printf("\nComplexity fits (expected class, relative RMS, cap %.0f%%):\n",
                    kRmsCap * 100);
        for (const Fit &fit : fits_) {
            bool holds = fit.rms >= 0 && fit.rms <= kRmsCap;
            std::printf("  %-34s %-8s rms %5.1f%%  %s\n", fit.name.c_str(),
                        ClassName(fit.complexity), fit.rms * 100,
                        holds ? "holds" : "DOES NOT HOLD");
        }
        std::fflush(stdout);
    }
};

}  // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    PairingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
