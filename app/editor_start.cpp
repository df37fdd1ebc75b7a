#include "editor_start.h"

#include "ui/toolkit/fonts.h"
#include "window_icon.h"

#include <QApplication>

namespace kbd {

std::unique_ptr<ProgramWindows> StartEditor() {
    QApplication::setApplicationName(QStringLiteral("kbdgen"));
    // The id of the installed .desktop entry, so a desktop groups the windows under its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("kbdgen"));
    toolkit::InstallFontSubstitutes();

    auto windows = std::make_unique<ProgramWindows>();
    windows->AllKeysForm.show();
    SetWindowIconAfterFirstFrame(windows->AllKeysForm);
    return windows;
}

} // namespace kbd
