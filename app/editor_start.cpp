#include "editor_start.h"

#include "ui/toolkit/fonts.h"
#include "version/version.h"
#include "window_icon.h"

#include <QApplication>

namespace kbd {

std::unique_ptr<ProgramWindows> StartEditor() {
    QApplication::setApplicationName(QStringLiteral("kbdgen"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    // The application id: the installed .desktop entry's name, so a desktop groups the
    // windows under its icon. Wayland compositors take the icon from that entry too.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    toolkit::InstallFontSubstitutes();

    auto windows = std::make_unique<ProgramWindows>();
    windows->AllKeysForm.show();
    SetWindowIconAfterFirstFrame(windows->AllKeysForm);
    return windows;
}

} // namespace kbd
