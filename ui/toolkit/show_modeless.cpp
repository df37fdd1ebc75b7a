#include "show_modeless.h"

#include <QWidget>

namespace kbd::toolkit {

void ShowModeless(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    if (!window->isVisible()) {
        window->show();
    }
    window->raise();
    window->activateWindow();
}

} // namespace kbd::toolkit
