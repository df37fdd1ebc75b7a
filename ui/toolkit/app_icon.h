// The program's picture, drawn from the one SVG file that is also installed as its
// desktop icon, so the window frames, the about window and the desktop agree.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace kbd::toolkit {

// The icon for QApplication::setWindowIcon, at the sizes desktops ask for. Wayland
// compositors take the icon from the installed .desktop file instead, found through
// QGuiApplication::setDesktopFileName(kbd::kAppId) in app/main.cpp.
QIcon AppIcon();

// The picture scaled to fit `box` with its proportions kept, at `devicePixelRatio`; the
// rest of a non-square box stays out of the pixmap, so a label centres it.
QPixmap AppPicture(QSize box, qreal devicePixelRatio);

} // namespace kbd::toolkit
