#include "app_icon.h"

#include <QPainter>
#include <QSvgRenderer>

namespace kbd::toolkit {

namespace {

const QString kIconResource = QStringLiteral(":/kbdgen.svg");

} // namespace

QPixmap AppPicture(QSize box, qreal devicePixelRatio) {
    QSvgRenderer renderer(kIconResource);
    const QSize size = renderer.defaultSize().scaled(box, Qt::KeepAspectRatio);
    QPixmap picture(size * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return picture;
}

} // namespace kbd::toolkit
