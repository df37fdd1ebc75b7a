// One press in the try-out pad window, from the key event to the character in the text
// area and the status line, beside the bare insertion of one character into the same text
// area, measured in the same run. The budget of a press is 1 ms.
#include "layout/typing.h"
#include "ratio_report.h"
#include "ui/Tryout/try_pad.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kPressesPerClear = 256; // keeps the text as short as a user would type
constexpr std::uint32_t kNativeA = 30 + kbd::kNativeScanOffset;

QPlainTextEdit* PadText(kbd::TTryPad& pad) {
    return pad.findChild<QPlainTextEdit*>(QStringLiteral("PadText"));
}

void ClearEvery(benchmark::State& state, QPlainTextEdit* text, int& presses) {
    if (++presses % kPressesPerClear == 0) {
        state.PauseTiming();
        text->clear();
        state.ResumeTiming();
    }
}

void BM_InsertOneCharacter(benchmark::State& state) {
    const kbd::LayoutDocument document(kbd::ProgramLayout());
    kbd::TTryPad pad(document);
    QPlainTextEdit* text = PadText(pad);
    int presses = 0;
    for (auto _ : state) {
        text->insertPlainText(QStringLiteral("a"));
        ClearEvery(state, text, presses);
    }
}

void BM_PadWidgetPress(benchmark::State& state) {
    const kbd::LayoutDocument document(kbd::ProgramLayout());
    kbd::TTryPad pad(document);
    QPlainTextEdit* text = PadText(pad);
    int presses = 0;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, kNativeA, 0, 0,
                        QStringLiteral("a"));
        QApplication::sendEvent(text, &press);
        ClearEvery(state, text, presses);
    }
}

BENCHMARK(BM_InsertOneCharacter);
BENCHMARK(BM_PadWidgetPress);

} // namespace

int main(int argc, char** argv) {
    kbd::bench::OffscreenUnlessSet();
    QApplication app(argc, argv);
    return kbd::bench::RunWithRatios(argc, argv, [](const kbd::bench::RatioReporter& r) {
        r.Ratio("BM_PadWidgetPress", "BM_InsertOneCharacter");
        r.Budget("BM_PadWidgetPress", 1e6);
    });
}
