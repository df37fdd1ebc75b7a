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

QIcon AppIcon() {
    // Rendered here rather than left to the SVG icon engine plugin, which a desktop may
    // lack; these are the sizes frames, task bars and switchers ask for.
    QIcon icon;
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(AppPicture(QSize(side, side), 1.0));
    }
    return icon;
}

} // namespace kbd::toolkit
