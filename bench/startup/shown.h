// What both measured starts share: waiting for the first shown window and reporting the
// figures to the parent as one line of "name=value" pairs on stdout.
#pragma once

#include <chrono>
#include <string>

class QWidget;

namespace bench {

using Clock = std::chrono::steady_clock;

// Returns once the platform has exposed `window` (shown by the caller) and the events that
// follow, the first paint among them, have been handled.
void WaitExposed(QWidget& window);

// Peak resident memory of this process so far, in kB.
long PeakKb();

// "startup_ms=... launch_ms=... peak_kb=..." for a window shown at `shown` in a process
// whose main() began at `start`, launched by the parent at steady-clock `launchedNs`.
std::string StartFigures(Clock::time_point start, Clock::time_point shown, long long launchedNs);

} // namespace bench
