// Everything the editor does between creating its QApplication and entering the event
// loop. main() and the start-up benchmark both go through here, so the benchmark times
// the editor's own start and not a copy of it.
#pragma once

#include "ui/program_windows.h"

#include <memory>

namespace kbd {

// Names the application to the desktop, sets up fonts and the icon, builds the program's
// windows and shows the main window. Needs a QApplication.
std::unique_ptr<ProgramWindows> StartEditor();

} // namespace kbd
