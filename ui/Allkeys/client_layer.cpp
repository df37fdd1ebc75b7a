#include "client_layer.h"

#include <QRegion>
#include <QWidget>

namespace kbd::allkeys {

void ClipToChildren(QWidget* layer) {
    layer->setGeometry(layer->parentWidget()->rect());
    QRegion own;
    for (const QWidget* child : layer->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        own += child->geometry();
    }
    layer->setMask(own);
}

} // namespace kbd::allkeys
