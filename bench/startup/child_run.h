// One measured start of a window, in a process of its own so that its peak resident
// memory is its own.
#pragma once

namespace bench {

// Builds and shows the editor's main window ("editor"), a bare QMainWindow of the same
// client size ("bare") or one whose client area is a label ("text") under the offscreen
// platform, then prints one line of figures. `launchedNs` is the steady clock reading at
// which the parent started this process.
int RunChild(const char* which, long long launchedNs, int argc, char** argv);

} // namespace bench
