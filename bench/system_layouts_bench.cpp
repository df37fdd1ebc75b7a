// Speed of starting from a system layout, each beside the bare library work it rests on,
// measured in the same run:
//   building the layout of "de" (its keymap compiled by libxkbcommon, 147 levels read,
//   each character through the code page, the rules) against compiling the keymap of
//   "us" with libxkbcommon alone, and against its budget of 50 ms;
//   building "fr" in 1252 with its dead keys (the desktop's Compose table read, each
//   dead accent fed every base of the code page) against the same, budget 50 ms;
//   listing every layout and variant through libxkbregistry against reading the
//   registry's XML file into memory, and against its budget of 100 ms.
#include "ratio_report.h"
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

void BM_BuildFrenchWithDeadKeys(benchmark::State& state) {
    const kbd::CodePage page = kbd::CodePage::LoadOrLatin1(1252);
    for (auto _ : state) {
        auto built = kbd::BuildSystemLayout("fr", "", page, true, "fr_FR.UTF-8");
        if (!built) {
            state.SkipWithError("cannot build fr");
            break;
        }
        state.counters["compositions"] = static_cast<double>(built->layout.Compositions.size());
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
        if (!layouts.ok()) {
            state.SkipWithError(layouts.error().message().c_str());
            break;
        }
        state.counters["layouts"] = static_cast<double>(layouts.value().size());
        benchmark::DoNotOptimize(layouts);
    }
}

BENCHMARK(BM_CompileUsKeymap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildGermanLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildFrenchWithDeadKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRegistryXml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListSystemLayouts)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return kbd::bench::RunWithRatios(argc, argv, [](const kbd::bench::RatioReporter& r) {
        r.Ratio("BM_BuildGermanLayout", "BM_CompileUsKeymap");
        r.Budget("BM_BuildGermanLayout", 50e6);
        r.Ratio("BM_BuildFrenchWithDeadKeys", "BM_CompileUsKeymap");
        r.Budget("BM_BuildFrenchWithDeadKeys", 50e6);
        r.Ratio("BM_ListSystemLayouts", "BM_ReadRegistryXml");
        r.Budget("BM_ListSystemLayouts", 100e6);
    });
}
