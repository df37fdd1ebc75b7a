// The icon of the editor's windows, from PNG files that the build renders from the same
// kbdgen.svg the desktop installs, so that the start does not load QtSvg.
#pragma once

#include <QIcon>

namespace kbd {

// For QApplication::setWindowIcon, at the sizes window frames and task bars ask for.
// Wayland compositors take the icon from the installed .desktop file instead, found
// through QGuiApplication::setDesktopFileName(QStringLiteral("kbdgen")).
QIcon WindowIcon();

} // namespace kbd
