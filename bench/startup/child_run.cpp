#include "child_run.h"

#include "layout/keyboard_layout.h"
#include "ui/Allkeys/all_keys_form.h"
#include "ui/program_windows.h"
#include "ui/toolkit/font_chooser.h"
#include "ui/toolkit/fonts.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/resource.h>

namespace bench {
namespace {

using Clock = std::chrono::steady_clock;

void WaitExposed(QWidget& window) {
    window.show();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QCoreApplication::processEvents();
}

// The baseline of the targets, and the same with one line of text: the second shows what
// any window that draws text pays for the font system before its first glyph.
std::unique_ptr<QMainWindow> BareWindow(bool withText) {
    auto window = std::make_unique<QMainWindow>();
    QWidget* client =
        withText ? new QLabel(QStringLiteral("Tavik"), window.get()) : new QWidget(window.get());
    client->setFixedSize(566, 337);
    window->setCentralWidget(client);
    window->setWindowTitle(QStringLiteral("bare"));
    return window;
}

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

int RunChild(const char* which, long long launchedNs, int argc, char** argv) {
    const auto start = Clock::now();
    const bool editor = std::strcmp(which, "editor") == 0;
    QApplication app(argc, argv);
    std::unique_ptr<kbd::ProgramWindows> windows;
    std::unique_ptr<QMainWindow> bare;
    QMainWindow* window = nullptr;
    if (editor) {
        kbd::toolkit::InstallFontSubstitutes();
        windows = std::make_unique<kbd::ProgramWindows>();
        window = &windows->AllKeysForm;
    } else {
        bare = BareWindow(std::strcmp(which, "text") == 0);
        window = bare.get();
    }
    WaitExposed(*window);
    const auto shown = Clock::now();
    const std::chrono::duration<double, std::milli> startup = shown - start;
    const std::chrono::duration<double, std::milli> launch =
        shown.time_since_epoch() - std::chrono::nanoseconds(launchedNs);

    double showLayer = 0;
    double editKey = 0;
    double fontApply = 0;
    if (editor) {
        showLayer = ShowLayerMicros(windows->AllKeysForm);
        editKey = EditKeyMicros(windows->AllKeysForm);
        fontApply = FontApplyMillis(windows->AllKeysForm);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("startup_ms=%.3f launch_ms=%.3f peak_kb=%ld showlayer_us=%.3f editkey_us=%.3f "
                "font_ms=%.3f\n",
                startup.count(), launch.count(), usage.ru_maxrss, showLayer, editKey, fontApply);
    return 0;
}

} // namespace bench
