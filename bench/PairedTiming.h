#pragma once

// Shared by the benchmarks that compare two steps: each iteration runs the measured step and
// the step it is compared with one after the other, so that both meet the same load on a
// shared machine, and the counters give both medians and their ratio.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

class CPairedTiming {
public:
    /// Runs the measured step and returns its wall seconds, for State::SetIterationTime.
    template <class Step>
    double Measure(Step&& step) {
        return Time(step, m_measured);
    }
    /// Runs the step the measured one is compared with.
    template <class Step>
    void Compare(Step&& step) {
        Time(step, m_compared);
    }
    /// Puts both medians, as <measured>_us and <compared>_us, and their ratio into the counters.
    void Report(benchmark::State& state, const std::string& measured,
                const std::string& compared) const {
        state.counters[measured + "_us"] = Median(m_measured) * 1e6;
        state.counters[compared + "_us"] = Median(m_compared) * 1e6;
        state.counters["ratio"] = Median(m_measured) / Median(m_compared);
    }

private:
    template <class Step>
    static double Time(Step& step, std::vector<double>& figures) {
        const auto start = std::chrono::steady_clock::now();
        step();
        figures.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        return figures.back();
    }
    static double Median(std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values.empty() ? 0.0 : values[values.size() / 2];
    }

    std::vector<double> m_measured;
    std::vector<double> m_compared;
};
