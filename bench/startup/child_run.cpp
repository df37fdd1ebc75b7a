#include "child_run.h"

#include "ui/Allkeys/all_keys_form.h"
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

} // namespace

int RunChild(const char* which, long long launchedNs, int argc, char** argv) {
    const auto start = Clock::now();
    const bool editor = std::strcmp(which, "editor") == 0;
    QApplication app(argc, argv);
    std::unique_ptr<QMainWindow> window;
    if (editor) {
        kbd::toolkit::InstallFontSubstitutes();
        window = std::make_unique<kbd::TAllKeysForm>();
    } else {
        window = BareWindow(std::strcmp(which, "text") == 0);
    }
    WaitExposed(*window);
    const auto shown = Clock::now();
    const std::chrono::duration<double, std::milli> startup = shown - start;
    const std::chrono::duration<double, std::milli> launch =
        shown.time_since_epoch() - std::chrono::nanoseconds(launchedNs);

    double showLayer = 0;
    if (editor) {
        showLayer = ShowLayerMicros(static_cast<kbd::TAllKeysForm&>(*window));
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("startup_ms=%.3f launch_ms=%.3f peak_kb=%ld showlayer_us=%.3f\n", startup.count(),
                launch.count(), usage.ru_maxrss, showLayer);
    return 0;
}

} // namespace bench
