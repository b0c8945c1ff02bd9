#pragma once

// A console reporter that also prints, for each benchmark named "<work>" that has a
// partner "<work>_Baseline", the ratio of their times per iteration, so the figure
// holds on a noisy machine where absolute times do not.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

class BaselineRatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration)
                m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto &[name, time] : m_times) {
            const std::string suffix = "_Baseline";
            const auto cut = name.find(suffix);
            if (cut == std::string::npos)
                continue;
            const std::string work = name.substr(0, cut) + name.substr(cut + suffix.size());
            const auto it = m_times.find(work);
            if (it != m_times.end() && time > 0)
                std::printf("ratio %s / baseline: %.2f\n", work.c_str(), it->second / time);
        }
    }

private:
    std::map<std::string, double> m_times;
};

#define TAVRI_BENCHMARK_MAIN()                                                                                    \
    int main(int argc, char **argv)                                                                               \
    {                                                                                                             \
        benchmark::Initialize(&argc, argv);                                                                       \
        BaselineRatioReporter reporter;                                                                           \
        benchmark::RunSpecifiedBenchmarks(&reporter);                                                             \
        benchmark::Shutdown();                                                                                    \
        return 0;                                                                                                 \
    }
