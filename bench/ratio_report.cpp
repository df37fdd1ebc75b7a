#include "ratio_report.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace kbd::bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (!run.error_occurred && (run.aggregate_name.empty() || run.aggregate_name == "median")) {
            nanos_[run.run_name.str()] =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

std::optional<double> RatioReporter::nanos(const std::string& name) const {
    const auto found = nanos_.find(name);
    return found == nanos_.end() ? std::nullopt : std::optional(found->second);
}

void RatioReporter::Ratio(const std::string& name, const std::string& base, double target) const {
    const auto a = nanos(name), b = nanos(base);
    if (!a || !b || *b <= 0) {
        std::printf("  %-30s not measured\n", name.c_str());
        return;
    }
    const double ratio = *a / *b;
    std::printf("  %-30s %7.2f x %s", name.c_str(), ratio, base.c_str());
    if (target > 0) {
        std::printf(" [%.2f x] %s", target, ratio <= target ? "ok" : "OVER");
    }
    std::printf("\n");
}

void RatioReporter::Budget(const std::string& name, double budgetNanos, double per) const {
    const auto a = nanos(name);
    if (!a) {
        return;
    }
    const double step = *a / per;
    const bool millis = budgetNanos > 1e6;
    const double scale = millis ? 1e6 : 1e3;
    std::printf("  %-30s %9.3f %s of a budget of %.0f %s %s\n", name.c_str(), step / scale,
                millis ? "ms" : "us", budgetNanos / scale, millis ? "ms" : "us",
                step <= budgetNanos ? "ok" : "OVER");
}

int RunWithRatios(int argc, char** argv, const std::function<void(const RatioReporter&)>& ratios) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nAgainst baselines of the same run [target], and budgets:\n");
    ratios(reporter);
    benchmark::Shutdown();
    return 0;
}

namespace {

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kbd-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a temporary folder");
        }
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace

void OffscreenUnlessSet() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
}

std::string ScratchFile(const std::string& name) {
    static const ScratchFolder folder;
    return folder.path() + "/" + name;
}

} // namespace kbd::bench
