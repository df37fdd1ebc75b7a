#include "cell_drag.h"

#include <QDataStream>
#include <QDrag>
#include <QIODevice>
#include <QMimeData>
#include <QWidget>

namespace kbd::toolkit {

std::unique_ptr<QMimeData> CellMimeData(int cellNumber, const QString& text) {
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out << qint32(cellNumber);
    auto data = std::make_unique<QMimeData>();
    data->setData(QString::fromLatin1(kCellMimeType), payload);
    data->setText(text);
    return data;
}

std::optional<int> CellNumber(const QMimeData* data) {
    if (data == nullptr || !data->hasFormat(QString::fromLatin1(kCellMimeType))) {
        return std::nullopt;
    }
    const QByteArray payload = data->data(QString::fromLatin1(kCellMimeType));
    QDataStream in(payload);
    qint32 number = 0;
    in >> number;
    if (in.status() != QDataStream::Ok) {
        return std::nullopt;
    }
    return number;
}

void StartCellDrag(QWidget* source, int cellNumber, const QString& text) {
    // QDrag is owned by its source and deletes itself once the drag ends.
    auto* drag = new QDrag(source);
    drag->setMimeData(CellMimeData(cellNumber, text).release());
    drag->setPixmap(source->grab());
    drag->setHotSpot(QPoint(source->width() / 2, source->height() / 2));
    drag->exec(Qt::CopyAction);
}

} // namespace kbd::toolkit
