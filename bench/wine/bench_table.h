// What the Wine benchmarks share: the clock, interleaved rounds and the one
// table they print, each figure beside its reference, their ratio and the
// ratio aimed at. Every program prints the table's header and its rows;
// with SX_BENCH_ROWS_ONLY set it prints its rows alone, so that a run of
// all of them (scripts/run-benchmarks.sh) makes one table.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

inline double BenchMicroseconds() {
    static double ticksPerMicrosecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1e6;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMicrosecond;
}

inline double BenchMedian(std::vector<double> samples) {
    if (samples.empty()) return 0;
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

// The sample below which `fraction` of the samples lie.
inline double BenchPercentile(std::vector<double> samples, double fraction) {
    if (samples.empty()) return 0;
    const size_t at = std::min(samples.size() - 1, static_cast<size_t>(fraction * samples.size()));
    std::nth_element(samples.begin(), samples.begin() + static_cast<long>(at), samples.end());
    return samples[at];
}

// Runs every probe once per round, in turn, so that the other work on the
// machine weighs on a figure and on its reference alike; a probe returns
// its own time in microseconds, or a negative value on failure.
class InterleavedRounds {
public:
    size_t Add(std::function<double()> probe) {
        probes_.push_back(std::move(probe));
        samples_.emplace_back();
        return probes_.size() - 1;
    }
    bool Run(int rounds) {
        rounds_ = rounds;
        for (int round = 0; round < rounds; ++round) {
            for (size_t i = 0; i < probes_.size(); ++i) {
                const double us = probes_[i]();
                if (us < 0) return false;
                samples_[i].push_back(us);
            }
        }
        return true;
    }
    int Rounds() const { return rounds_; }
    double Median(size_t probe) const { return BenchMedian(samples_[probe]); }
    double Percentile(size_t probe, double fraction) const {
        return BenchPercentile(samples_[probe], fraction);
    }
    // The median of the rounds' own ratios of two probes: the load of the
    // machine changes between rounds far more than within one.
    double MedianRatio(size_t probe, size_t reference) const {
        std::vector<double> ratios;
        const std::vector<double> &figure = samples_[probe], &base = samples_[reference];
        for (size_t i = 0; i < figure.size(); ++i)
            if (base[i] > 0) ratios.push_back(figure[i] / base[i]);
        return BenchMedian(ratios);
    }
    // The same for what `probe` takes beyond `part`, within each round.
    double MedianExcess(size_t probe, size_t part) const {
        std::vector<double> excess;
        for (size_t i = 0; i < samples_[probe].size(); ++i)
            excess.push_back(samples_[probe][i] - samples_[part][i]);
        return BenchMedian(excess);
    }
    double MedianExcessRatio(size_t probe, size_t part, size_t reference) const {
        std::vector<double> ratios;
        const std::vector<double> &base = samples_[reference];
        for (size_t i = 0; i < base.size(); ++i)
            if (base[i] > 0) ratios.push_back((samples_[probe][i] - samples_[part][i]) / base[i]);
        return BenchMedian(ratios);
    }

private:
    std::vector<std::function<double()>> probes_;
    std::vector<std::vector<double>> samples_;
    int rounds_ = 0;
};

// Times one call of `work` in microseconds.
template <typename Fn>
double TimeOnce(Fn &&work) {
    const double start = BenchMicroseconds();
    work();
    return BenchMicroseconds() - start;
}

inline void PrintBenchHeader() {
    if (std::getenv("SX_BENCH_ROWS_ONLY")) return;
    std::printf("Wine benchmarks: medians in microseconds (counts where the row says so); ratio: "
                "the median of the rounds' own ratios\n");
    std::printf("%-50s %10s  %-44s %10s  %6s  %-8s %s\n", "figure", "median", "reference", "median",
                "ratio", "target", "rounds");
}

// `target` 0: the row has no target ratio.
inline void PrintBenchRow(const std::string &figure, double value, const std::string &reference,
                          double referenceValue, double ratio, double target, int rounds) {
    char aim[16] = "-";
    if (target > 0) std::snprintf(aim, sizeof(aim), "<= %.2f", target);
    std::printf("%-50s %10.1f  %-44s %10.1f  %6.2f  %-8s %d\n", figure.c_str(), value,
                reference.c_str(), referenceValue, ratio, aim, rounds);
    std::fflush(stdout);
}

// A row of two probes of the same rounds.
inline void PrintBenchRow(const std::string &figure, const InterleavedRounds &rounds, size_t probe,
                          const std::string &reference, size_t base, double target) {
    PrintBenchRow(figure, rounds.Median(probe), reference, rounds.Median(base),
                  rounds.MedianRatio(probe, base), target, rounds.Rounds());
}
