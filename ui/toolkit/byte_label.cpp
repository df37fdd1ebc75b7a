#include "byte_label.h"

#include "byte_accessible.h"
#include "shown_code_page.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace kbd::toolkit {

ByteLabel::ByteLabel(const ShownCodePage& codePage, std::uint8_t code, QWidget* parent)
    : QWidget(parent), codePage_(codePage), code_(code) {
    InstallByteAccessibility();
    setMouseTracking(true);
    connect(&codePage_, &ShownCodePage::changed, this, &ByteLabel::textChanged);
}

const QString& ByteLabel::text() const {
    return codePage_.text(code_);
}

void ByteLabel::setCode(std::uint8_t code) {
    if (code != code_) {
        code_ = code;
        textChanged();
    }
}

void ByteLabel::textChanged() {
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void ByteLabel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void ByteLabel::setBackground(const QColor& color) {
    background_ = color;
    // Painted whole by paintEvent(), so nothing needs drawing beneath it first.
    setAttribute(Qt::WA_OpaquePaintEvent, color.isValid() && color.alpha() == 255);
    update();
}

void ByteLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (background_.isValid()) {
        painter.fillRect(rect(), background_);
    }
    const QString& shown = text();
    // A space draws nothing: the magnifier starts with one, and its large font need not
    // load before the mouse first moves.
    if (shown.isEmpty() || shown == QStringLiteral(" ")) {
        return;
    }
    // As a plain-text label draws: tabs expanded, the character's own direction, "&" as it is.
    const int flags = int(alignment_) | Qt::TextExpandTabs |
                      (shown.isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
    style()->drawItemText(&painter, rect(), flags, palette(), isEnabled(), shown, foregroundRole());
}

void ByteLabel::mouseMoveEvent(QMouseEvent* event) {
    emit hovered();
    event->ignore();
}

void ByteLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        emit leftPressed();
        return;
    }
    event->ignore();
}

} // namespace kbd::toolkit
