// Speed of the three exports of the default layout, each written to a file as the editor
// and kbdtool write it, beside the cheapest save measured in the same run: 688 bytes
// through the same safe replace. Each export should take under 50 ms, the floppy, mtools
// processes included, under 200 ms.
#include "exports/floppy.h"
#include "exports/klc.h"
#include "exports/xkb_symbols.h"
#include "layout/atomic_file.h"
#include "layout/writer.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace {

std::string gFolder;

std::string FolderFile(const char* name) {
    return gFolder + "/" + name;
}

const kbd::CodePage& Page() {
    static const kbd::CodePage page = kbd::CodePage::LoadOrLatin1(1250);
    return page;
}

void BM_Replace688(benchmark::State& state) {
    const kbd::KbdImage image = kbd::BuildKbdImage(kbd::DefaultLayout());
    const std::string target = FolderFile("plain.kbd");
    for (auto _ : state) {
        if (!kbd::ReplaceFileContents(target, image).ok()) {
            state.SkipWithError("the plain save failed");
            break;
        }
    }
}

template <class Export> void Run(benchmark::State& state, Export exportTo, const char* name) {
    const std::string target = FolderFile(name);
    for (auto _ : state) {
        if (const auto failed = exportTo(target)) {
            state.SkipWithError(failed->c_str());
            break;
        }
    }
}

void BM_XkbExport(benchmark::State& state) {
    Run(
        state,
        [](const std::string& path) {
            return kbd::exports::ExportXkbSymbols(kbd::DefaultLayout(), Page(), "qz", path);
        },
        "qz");
}

void BM_KlcExport(benchmark::State& state) {
    Run(
        state,
        [](const std::string& path) {
            return kbd::exports::ExportKlc(kbd::DefaultLayout(), Page(), "qz", path);
        },
        "qz.klc");
}

void BM_FloppyExport(benchmark::State& state) {
    Run(
        state,
        [](const std::string& path) {
            return kbd::exports::MakeInstallFloppy(kbd::DefaultLayout(), "qz", path);
        },
        "qz.img");
}

BENCHMARK(BM_Replace688)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XkbExport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KlcExport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloppyExport)->Unit(benchmark::kMillisecond);

// Keeps every run's time per iteration, so the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (!run.error_occurred) {
                millis_[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // The target of each ratio is its budget over the baseline of this run, so the line
    // says at once how far the export is from the plain save and from its budget.
    void PrintRatios() const {
        std::printf("\nRatios against the baseline of the same run (budget in brackets):\n");
        Ratio("BM_XkbExport", 50);
        Ratio("BM_KlcExport", 50);
        Ratio("BM_FloppyExport", 200);
    }

private:
    void Ratio(const std::string& name, double budgetMillis) const {
        const auto a = millis_.find(name), base = millis_.find("BM_Replace688");
        if (a == millis_.end() || base == millis_.end() || base->second <= 0) {
            std::printf("  %-18s not measured\n", name.c_str());
            return;
        }
        std::printf("  %-18s %7.2f x BM_Replace688 (%7.3f ms) [%5.0f x = %3.0f ms] %s\n",
                    name.c_str(), a->second / base->second, a->second, budgetMillis / base->second,
                    budgetMillis, a->second <= budgetMillis ? "ok" : "OVER");
    }

    std::map<std::string, double> millis_;
};

} // namespace

int main(int argc, char** argv) {
    std::string pattern = (std::filesystem::temp_directory_path() / "kbd-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    gFolder = pattern;

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();

    std::filesystem::remove_all(gFolder);
    return 0;
}
