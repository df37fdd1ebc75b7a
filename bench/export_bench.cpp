// Speed of the three exports of the default layout, each written to a file as the editor
// and kbdtool write it, beside the cheapest save measured in the same run: 688 bytes
// through the same safe replace. Each export should take under 50 ms, the floppy, mtools
// processes included, under 200 ms.
#include "exports/floppy.h"
#include "exports/klc.h"
#include "exports/xkb_symbols.h"
#include "files/atomic_file.h"
#include "layout/writer.h"
#include "ratio_report.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace {

const kbd::CodePage& Page() {
    static const kbd::CodePage page = kbd::CodePage::LoadOrLatin1(1250);
    return page;
}

void BM_Replace688(benchmark::State& state) {
    const kbd::KbdImage image = kbd::BuildKbdImage(kbd::DefaultLayout());
    const std::string target = kbd::bench::ScratchFile("plain.kbd");
    for (auto _ : state) {
        if (!kbd::ReplaceFileContents(target, image).ok()) {
            state.SkipWithError("the plain save failed");
            break;
        }
    }
}

template <class Export> void Run(benchmark::State& state, Export exportTo, const char* name) {
    const std::string target = kbd::bench::ScratchFile(name);
    for (auto _ : state) {
        if (const kbd::Status written = exportTo(target); !written.ok()) {
            state.SkipWithError(written.error().message().c_str());
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

} // namespace

int main(int argc, char** argv) {
    // The target of each ratio is its budget over the plain save of this run.
    return kbd::bench::RunWithRatios(argc, argv, [](const kbd::bench::RatioReporter& r) {
        for (const auto& [name, budget] :
             {std::pair{"BM_XkbExport", 50e6}, std::pair{"BM_KlcExport", 50e6},
              std::pair{"BM_FloppyExport", 200e6}}) {
            r.Ratio(name, "BM_Replace688");
            r.Budget(name, budget);
        }
    });
}
