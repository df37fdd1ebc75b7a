// The program's picture, drawn from the one SVG file that is also installed as its
// desktop icon (and rendered by the build for the window frames), so the frames, the about
// window and the desktop agree. Drawing it loads QtSvg's renderer, so only the about
// window, made on first use, does.
#pragma once

#include <QPixmap>
#include <QSize>

namespace kbd::toolkit {

// The picture scaled to fit `box` with its proportions kept, at `devicePixelRatio`; the
// rest of a non-square box stays out of the pixmap, so a label centres it.
QPixmap AppPicture(QSize box, qreal devicePixelRatio);

} // namespace kbd::toolkit
