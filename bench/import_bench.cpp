// Speed of bringing a layout in from each kind of keyboard file, from its bytes already
// read, beside the plainest read measured in the same run: our own 688 bytes through the
// reader. Each import should take under 10 ms; the XKB one includes libxkbcommon's
// compile of the file with the system's includes.
#include "exports/klc.h"
#include "exports/xkb_symbols.h"
#include "formats/import_layout.h"
#include "formats/json_layout.h"
#include "layout/reader.h"
#include "layout/writer.h"
#include "ratio_report.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

const kbd::CodePage& Page() {
    static const kbd::CodePage page = kbd::CodePage::LoadOrLatin1(1250);
    return page;
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

// The default layout as each kind holds it; a foreign KBD file is ours without the
// signature, which the driver's reading takes instead of our reader.
std::vector<std::uint8_t> Source(formats::ImportKind kind) {
    const kbd::KeyboardLayout& layout = kbd::DefaultLayout();
    switch (kind) {
    case formats::ImportKind::Json:
        return Bytes(formats::LayoutToJson(layout));
    case formats::ImportKind::Klc:
        return Bytes(kbd::exports::KlcBytes(layout, Page(), "qz"));
    case formats::ImportKind::XkbSymbols:
        return Bytes(kbd::exports::XkbSymbolsText(layout, Page(), "qz"));
    case formats::ImportKind::WindowsKbd:
        break;
    }
    std::vector<std::uint8_t> image = kbd::BuildKbdFile(layout);
    std::fill(image.begin() + 33, image.begin() + 40, 0);
    return image;
}

void BM_Read688(benchmark::State& state) {
    const kbd::KbdImage image = kbd::BuildKbdImage(kbd::DefaultLayout());
    for (auto _ : state) {
        kbd::KeyboardLayout layout;
        benchmark::DoNotOptimize(kbd::DecodeKbdImage(image, layout).ok());
    }
}

void BM_Import(benchmark::State& state, formats::ImportKind kind) {
    const std::vector<std::uint8_t> bytes = Source(kind);
    for (auto _ : state) {
        const auto imported = formats::ImportLayoutBytes(bytes, "qz", "", Page());
        if (!imported.ok()) {
            state.SkipWithError(imported.error().message().c_str());
            break;
        }
    }
}

BENCHMARK(BM_Read688);
BENCHMARK_CAPTURE(BM_Import, ForeignKbd, formats::ImportKind::WindowsKbd)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Import, Klc, formats::ImportKind::Klc)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Import, Xkb, formats::ImportKind::XkbSymbols)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Import, Json, formats::ImportKind::Json)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return kbd::bench::RunWithRatios(argc, argv, [](const kbd::bench::RatioReporter& r) {
        for (const char* name :
             {"BM_Import/ForeignKbd", "BM_Import/Klc", "BM_Import/Xkb", "BM_Import/Json"}) {
            r.Ratio(name, "BM_Read688");
            r.Budget(name, 10e6);
        }
    });
}
