// The icon of the editor's windows, from pixels that the build renders from the same
// kbdgen.svg the desktop installs, so that the start does not load QtSvg.
#pragma once

#include <QIcon>

class QWidget;

namespace kbd {

// For QApplication::setWindowIcon, at the sizes window frames and task bars ask for.
// Wayland compositors take the icon from the installed .desktop file instead, found
// through QGuiApplication::setDesktopFileName(QStringLiteral("kbdgen")).
QIcon WindowIcon();

// Makes WindowIcon() the application's window icon once `window`, shown and not yet on
// screen, has put its first frame there. An X11 window manager is then handed every size
// of the icon after the window is up rather than before, which took as long as a tenth
// of the start.
void SetWindowIconAfterFirstFrame(QWidget& window);

} // namespace kbd
