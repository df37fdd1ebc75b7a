// The frame shared by the help, about and details windows: a dialog frame whose only
// caption button is the close box, a fixed place and a client area that cannot be resized.
// Such a window is modeless, and closing it only hides it, so it keeps its state.
#pragma once

#include <QPoint>
#include <QSize>

class QDialog;

namespace kbd::toolkit {

void SetInfoWindowFrame(QDialog* window, QPoint position, QSize clientSize);

} // namespace kbd::toolkit
