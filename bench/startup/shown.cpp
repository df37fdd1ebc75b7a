#include "shown.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <sys/resource.h>

namespace bench {

void WaitExposed(QWidget& window) {
    // Qt paints and flushes a window's first frame while it handles the exposure, so the
    // frame is on screen when the window reports itself exposed.
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

void Settle(int ms) {
    const auto until = Clock::now() + std::chrono::milliseconds(ms);
    while (Clock::now() < until) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

long PeakKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

std::string StartFigures(Clock::time_point start, Clock::time_point shown, long long launchedNs) {
    const std::chrono::duration<double, std::milli> startup = shown - start;
    const std::chrono::duration<double, std::milli> launch =
        shown.time_since_epoch() - std::chrono::nanoseconds(launchedNs);
    char line[160];
    std::snprintf(line, sizeof line, "startup_ms=%.3f launch_ms=%.3f peak_kb=%ld", startup.count(),
                  launch.count(), PeakKb());
    return line;
}

} // namespace bench
