// Compose from Unicode for one dead accent: ^ in code page 1252 and the tonos in 1253,
// beside the 256 texts a change of code page makes for the widgets, measured in the same
// run. The budget of one accent is 5 ms.
#include "codepage/code_page.h"
#include "ratio_report.h"
#include "ui/Morelayers/compose_from_unicode.h"

#include <QString>
#include <benchmark/benchmark.h>

namespace {

void BM_CodePageTexts(benchmark::State& state) {
    const kbd::CodePage page = *kbd::CodePage::Load(1252);
    for (auto _ : state) {
        for (int code = 0; code < 256; ++code) {
            QString text = QString::fromStdString(page.shown(static_cast<std::uint8_t>(code)));
            benchmark::DoNotOptimize(text);
        }
    }
}

void Compose(benchmark::State& state, int codePage, std::uint8_t accent) {
    const kbd::CodePage page = *kbd::CodePage::Load(codePage);
    for (auto _ : state) {
        auto made = kbd::ComposeFromUnicode(page, accent);
        benchmark::DoNotOptimize(made);
    }
    state.counters["compositions"] =
        static_cast<double>(kbd::ComposeFromUnicode(page, accent).size());
}

void BM_ComposeCircumflex1252(benchmark::State& state) {
    Compose(state, 1252, '^');
}

void BM_ComposeTonos1253(benchmark::State& state) {
    Compose(state, 1253, 0xB4);
}

BENCHMARK(BM_CodePageTexts);
BENCHMARK(BM_ComposeCircumflex1252);
BENCHMARK(BM_ComposeTonos1253);

} // namespace

int main(int argc, char** argv) {
    return kbd::bench::RunWithRatios(argc, argv, [](const kbd::bench::RatioReporter& r) {
        for (const char* name : {"BM_ComposeCircumflex1252", "BM_ComposeTonos1253"}) {
            r.Ratio(name, "BM_CodePageTexts");
            r.Budget(name, 5e6);
        }
    });
}
