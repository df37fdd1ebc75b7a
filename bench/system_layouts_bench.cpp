// Speed of starting from a system layout, each beside the bare library work it rests on,
// measured in the same run:
//   building the layout of "de" (its keymap compiled by libxkbcommon, 147 levels read,
//   each character through the code page, the rules) against compiling the keymap of
//   "us" with libxkbcommon alone, and against its budget of 50 ms;
//   listing every layout and variant through libxkbregistry against reading the
//   registry's XML file into memory, and against its budget of 100 ms.
#include "system_layouts/layout_from_xkb.h"
#include "system_layouts/layout_list.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <xkbcommon/xkbcommon.h>

namespace {

void BM_CompileUsKeymap(benchmark::State& state) {
    for (auto _ : state) {
        xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
        const xkb_rule_names names{"evdev", "pc105", "us", "", ""};
        xkb_keymap* keymap =
            xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
        if (keymap == nullptr) {
            state.SkipWithError("libxkbcommon cannot compile us");
            break;
        }
        benchmark::DoNotOptimize(keymap);
        xkb_keymap_unref(keymap);
        xkb_context_unref(context);
    }
}

void BM_BuildGermanLayout(benchmark::State& state) {
    const kbd::CodePage page = kbd::CodePage::LoadOrLatin1(1250);
    for (auto _ : state) {
        auto built = kbd::BuildSystemLayout("de", "", page);
        if (!built) {
            state.SkipWithError("cannot build de");
            break;
        }
        benchmark::DoNotOptimize(built);
    }
}

void BM_ReadRegistryXml(benchmark::State& state) {
    for (auto _ : state) {
        std::ifstream in(KBD_XKB_REGISTRY, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        if (text.empty()) {
            state.SkipWithError("cannot read " KBD_XKB_REGISTRY);
            break;
        }
        benchmark::DoNotOptimize(text.data());
    }
}

void BM_ListSystemLayouts(benchmark::State& state) {
    for (auto _ : state) {
        auto layouts = kbd::ListSystemLayouts();
        if (!layouts) {
            state.SkipWithError("cannot read the registry");
            break;
        }
        state.counters["layouts"] = static_cast<double>(layouts->size());
        benchmark::DoNotOptimize(layouts);
    }
}

BENCHMARK(BM_CompileUsKeymap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildGermanLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRegistryXml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListSystemLayouts)->Unit(benchmark::kMillisecond);

// Keeps every run's time per iteration, so the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (!run.error_occurred) {
                // Adjusted times are in the benchmark's unit; keep nanoseconds.
                nanos_[run.benchmark_name()] = run.GetAdjustedRealTime() * 1e6;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const {
        std::printf("\nRatios against the baseline of the same run, and budgets:\n");
        Ratio("BM_BuildGermanLayout", "BM_CompileUsKeymap");
        Budget("BM_BuildGermanLayout", 50e6);
        Ratio("BM_ListSystemLayouts", "BM_ReadRegistryXml");
        Budget("BM_ListSystemLayouts", 100e6);
    }

private:
    void Ratio(const std::string& name, const std::string& base) const {
        const auto a = nanos_.find(name), b = nanos_.find(base);
        if (a == nanos_.end() || b == nanos_.end() || b->second <= 0) {
            std::printf("  %-24s not measured\n", name.c_str());
            return;
        }
        std::printf("  %-24s %7.2f x %s\n", name.c_str(), a->second / b->second, base.c_str());
    }

    void Budget(const std::string& name, double nanos) const {
        const auto a = nanos_.find(name);
        if (a == nanos_.end()) {
            return;
        }
        std::printf("  %-24s %8.3f ms of a budget of %.0f ms %s\n", name.c_str(), a->second / 1e6,
                    nanos / 1e6, a->second <= nanos ? "ok" : "OVER");
    }

    std::map<std::string, double> nanos_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
