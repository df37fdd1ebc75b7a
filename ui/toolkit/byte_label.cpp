#include "byte_label.h"

#include "code_page.h"

#include <QMouseEvent>

namespace kbd::toolkit {

ByteLabel::ByteLabel(const CodePage& codePage, std::uint8_t code, QWidget* parent)
    : QLabel(parent), codePage_(codePage), code_(code) {
    // "<" or "&" alone must never be taken for markup.
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
    connect(&codePage_, &CodePage::changed, this, &ByteLabel::render);
    render();
}

void ByteLabel::setCode(std::uint8_t code) {
    code_ = code;
    render();
}

void ByteLabel::render() {
    setText(codePage_.text(code_));
}

void ByteLabel::mouseMoveEvent(QMouseEvent* event) {
    emit hovered();
    QLabel::mouseMoveEvent(event);
}

void ByteLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        emit leftPressed();
        return;
    }
    QLabel::mousePressEvent(event);
}

} // namespace kbd::toolkit
