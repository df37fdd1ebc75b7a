#include "info_window.h"

#include <QDialog>

namespace kbd::toolkit {

void SetInfoWindowFrame(QDialog* window, QPoint position, QSize clientSize) {
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    window->setModal(false);
    window->setFixedSize(clientSize);
    window->move(position);
}

} // namespace kbd::toolkit
