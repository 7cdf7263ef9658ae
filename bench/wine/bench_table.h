// What the Wine benchmarks share: the clock, interleaved rounds and the one
// table they print, each figure beside its reference, their ratio and the
// ratio aimed at.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
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
        for (int round = 0; round < rounds; ++round) {
            for (size_t i = 0; i < probes_.size(); ++i) {
                const double us = probes_[i]();
                if (us < 0) return false;
                samples_[i].push_back(us);
            }
        }
        return true;
    }
    double Median(size_t probe) const { return BenchMedian(samples_[probe]); }
    // The median of the rounds' own ratios of two probes: the load of the
    // machine changes between rounds far more than within one.
    double MedianRatio(size_t probe, size_t reference) const {
        std::vector<double> ratios;
        const std::vector<double> &figure = samples_[probe], &base = samples_[reference];
        for (size_t i = 0; i < figure.size(); ++i)
            if (base[i] > 0) ratios.push_back(figure[i] / base[i]);
        return BenchMedian(ratios);
    }

private:
    std::vector<std::function<double()>> probes_;
    std::vector<std::vector<double>> samples_;
};

// Times one call of `work` in microseconds.
template <typename Fn>
double TimeOnce(Fn &&work) {
    const double start = BenchMicroseconds();
    work();
    return BenchMicroseconds() - start;
}

inline void PrintBenchHeader(const char *title, int rounds) {
    std::printf("%s (medians of %d interleaved rounds, microseconds; ratio: median of the "
                "rounds' ratios)\n",
                title, rounds);
    std::printf("  %-44s %10s  %-44s %10s  %6s  %s\n", "figure", "median", "reference", "median",
                "ratio", "target");
}

// `target` 0: the row has no target ratio.
inline void PrintBenchRow(const std::string &figure, double us, const std::string &reference,
                          double referenceUs, double ratio, double target) {
    char aim[16] = "-";
    if (target > 0) std::snprintf(aim, sizeof(aim), "<= %.2f", target);
    std::printf("  %-44s %10.1f  %-44s %10.1f  %6.2f  %s\n", figure.c_str(), us, reference.c_str(),
                referenceUs, ratio, aim);
}
