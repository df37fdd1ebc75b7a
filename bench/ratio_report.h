// What every benchmark program here prints after Google Benchmark's table: each figure as
// a ratio against a baseline measured in the same run, and against its budget.
#pragma once

#include <benchmark/benchmark.h>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace kbd::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Real time per iteration in nanoseconds; with --benchmark_repetitions, the median.
    std::optional<double> nanos(const std::string& name) const;

    // "name  2.50 x base [3.0 x] ok"; no target prints the ratio alone.
    void Ratio(const std::string& name, const std::string& base, double target = 0) const;

    // "name  0.250 ms of a budget of 50 ms ok", for `name`'s time over `per` steps.
    void Budget(const std::string& name, double budgetNanos, double per = 1) const;

private:
    std::map<std::string, double> nanos_;
};

// Runs this program's benchmarks, then prints `ratios` under a heading.
int RunWithRatios(int argc, char** argv, const std::function<void(const RatioReporter&)>& ratios);

// Qt's offscreen platform for the benchmarks that make windows, unless QT_QPA_PLATFORM
// names another: what is measured is the work, not a screen's.
void OffscreenUnlessSet();

// A file `name` in a temporary folder of this run, which goes when the program ends.
std::string ScratchFile(const std::string& name);

} // namespace kbd::bench
