// The editor as main() starts it, then, in the same process, the costs of its commonest
// commands. Argument: the steady-clock reading at which the parent launched it.
#include "app/editor_start.h"
#include "layout/keyboard_layout.h"
#include "shown.h"
#include "ui/toolkit/font_chooser.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

using bench::Clock;

// Microseconds per ShowLayer, over all four layers in turn.
double ShowLayerMicros(kbd::TAllKeysForm& form) {
    constexpr int kRounds = 2000;
    const auto start = Clock::now();
    for (int i = 0; i < kRounds; ++i) {
        form.ShowLayer(1 + i % 4);
    }
    const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
    return spent.count() / kRounds;
}

// Microseconds per EditKey without its modal wait: the preset and the store.
double EditKeyMicros(kbd::TAllKeysForm& form) {
    constexpr int kRounds = 2000;
    const auto start = Clock::now();
    for (int i = 0; i < kRounds; ++i) {
        form.PresetKeyDialog(i % kbd::kKeyCount);
        form.StoreKeyDialog(i % kbd::kKeyCount);
    }
    const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
    return spent.count() / kRounds;
}

// Milliseconds per Font2Click after the chooser closed, switching the code page each time,
// so every key, cell, the magnifier and the four lists re-render.
double FontApplyMillis(kbd::TAllKeysForm& form) {
    constexpr int kRounds = 40;
    auto* chooser = form.findChild<kbd::toolkit::FontChooser*>(QStringLiteral("FontDialog1"));
    const auto start = Clock::now();
    for (int i = 0; i < kRounds; ++i) {
        kbd::toolkit::DisplayFont font = chooser->font();
        font.codePage = i % 2 == 0 ? 1251 : 1250;
        chooser->setFont(font);
        form.ApplyChooserFont();
        QCoreApplication::processEvents(); // the repaints are part of the cost
    }
    const std::chrono::duration<double, std::milli> spent = Clock::now() - start;
    return spent.count() / kRounds;
}

} // namespace

int main(int argc, char** argv) {
    const auto start = Clock::now();
    const long long launchedNs = argc >= 2 ? std::atoll(argv[1]) : 0;
    QApplication app(argc, argv);
    const auto windows = kbd::StartEditor();
    bench::WaitExposed(windows->AllKeysForm);
    const auto shown = Clock::now();
    bench::Settle(bench::kSettleMs);
    const std::string startFigures = bench::StartFigures(start, shown, launchedNs);

    kbd::TAllKeysForm& form = windows->AllKeysForm;
    const double showLayer = ShowLayerMicros(form);
    const double editKey = EditKeyMicros(form);
    const double fontApply = FontApplyMillis(form);
    std::printf("%s showlayer_us=%.3f editkey_us=%.3f font_ms=%.3f\n", startFigures.c_str(),
                showLayer, editKey, fontApply);
    return 0;
}
