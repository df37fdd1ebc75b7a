// What both measured starts share: waiting for the first shown window and reporting the
// figures to the parent as one line of "name=value" pairs on stdout.
#pragma once

#include <chrono>
#include <string>

class QWidget;

namespace bench {

using Clock = std::chrono::steady_clock;

// Returns once the platform has exposed `window` (shown by the caller) and its first frame
// is on screen.
void WaitExposed(QWidget& window);

// Runs the event loop for `ms` milliseconds, so that work a program puts off until its
// window is up is done, and weighs in the peak memory, before the figures are taken.
void Settle(int ms);
inline constexpr int kSettleMs = 100;

// Peak resident memory of this process so far, in kB.
long PeakKb();

// "startup_ms=... launch_ms=... peak_kb=..." for a window shown at `shown` in a process
// whose main() began at `start`, launched by the parent at steady-clock `launchedNs`; the
// peak is the one so far.
std::string StartFigures(Clock::time_point start, Clock::time_point shown, long long launchedNs);

} // namespace bench
