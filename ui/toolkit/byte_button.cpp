#include "byte_button.h"

#include "button_caption.h"
#include "code_page.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>

namespace kbd::toolkit {

ByteButton::ByteButton(const CodePage& codePage, const QString& storedCaption, QWidget* parent)
    : QPushButton(storedCaption, parent), codePage_(codePage) {
    setMouseTracking(true);
    connect(&codePage_, &CodePage::changed, this, &ByteButton::render);
}

void ByteButton::setCode(std::uint8_t code) {
    code_ = code;
    hasCode_ = true;
    render();
}

void ByteButton::render() {
    if (hasCode_) {
        setText(ButtonCaption(codePage_.text(code_)));
    }
}

void ByteButton::mouseMoveEvent(QMouseEvent* event) {
    emit hovered();
    QPushButton::mouseMoveEvent(event);
}

void ByteButton::dragEnterEvent(QDragEnterEvent* event) {
    event->ignore();
    emit dragOver(event);
}

void ByteButton::dragMoveEvent(QDragMoveEvent* event) {
    event->ignore();
    emit dragOver(event);
}

void ByteButton::dropEvent(QDropEvent* event) {
    event->ignore();
    emit dropped(event);
}

} // namespace kbd::toolkit
