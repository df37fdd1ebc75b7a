#include "byte_button.h"

#include "button_caption.h"
#include "byte_accessible.h"
#include "shown_code_page.h"

#include <QAccessible>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyle>
#include <QStyleOptionButton>

namespace kbd::toolkit {

namespace {

// As long as a push button shows itself pressed when its access letter clicks it.
constexpr int kAccessClickMs = 100;

// The legs of the dead-key mark, in pixels: seen on a 25-pixel key, yet off its caption.
constexpr int kMarkSide = 5;

bool IsPressKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Space || event->key() == Qt::Key_Select;
}

} // namespace

ByteButton::ByteButton(const ShownCodePage& codePage, const QString& storedCaption, QWidget* parent)
    : QWidget(parent), codePage_(codePage) {
    InstallByteAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setForegroundRole(QPalette::ButtonText);
    setBackgroundRole(QPalette::Button);
    // The style lights a push button under the mouse; it does so only for widgets that
    // ask for hover events.
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
    setText(storedCaption);
    connect(&codePage_, &ShownCodePage::changed, this, &ByteButton::render);
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

void ByteButton::setText(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    if (shortcutId_ != 0) {
        releaseShortcut(shortcutId_);
        shortcutId_ = 0;
    }
    if (caption_.contains(QLatin1Char('&'))) {
        shortcutId_ = grabShortcut(QKeySequence::mnemonic(caption_)); // 0 for "&&" alone
    }
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void ByteButton::setMarked(bool marked) {
    if (marked == marked_) {
        return;
    }
    marked_ = marked;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void ByteButton::click() {
    if (isEnabled()) {
        emit clicked();
    }
}

void ByteButton::setDown(bool down) {
    if (down == down_) {
        return;
    }
    down_ = down;
    if (QAccessible::isActive()) {
        QAccessible::State pressed;
        pressed.pressed = true;
        QAccessibleStateChangeEvent changed(this, pressed);
        QAccessible::updateAccessibility(&changed);
    }
}

void ByteButton::release() {
    setDown(false);
    repaint(); // shown up before a handler that opens a modal window runs
    emit clicked();
}

bool ByteButton::event(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        setDown(false);
        accessClick_.stop();
    }
    if (event->type() != QEvent::Shortcut) {
        return QWidget::event(event);
    }
    const auto* shortcut = static_cast<QShortcutEvent*>(event);
    if (shortcut->shortcutId() != shortcutId_) {
        return false;
    }
    if (shortcut->isAmbiguous()) {
        // Two widgets of the window claim the letter: it walks the focus between them.
        setFocus(Qt::ShortcutFocusReason);
        window()->setAttribute(Qt::WA_KeyboardFocusChange);
    } else if (isEnabled() && !accessClick_.isActive()) {
        setDown(true);
        repaint();
        accessClick_.start(kAccessClickMs, this);
    }
    return true;
}

void ByteButton::timerEvent(QTimerEvent* event) {
    if (event->timerId() != accessClick_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    accessClick_.stop();
    release();
}

void ByteButton::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    option.initFrom(this);
    // A widget that inherits its palette holds a copy of its own, and the style caches
    // the drawn bevel per palette copy. Drawing with the parent's, of the same colours, lets
    // all 49 keys share one cached bevel; a key given its own colours (a flash) keeps them.
    if (!testAttribute(Qt::WA_SetPalette) && parentWidget() != nullptr) {
        option.palette = parentWidget()->palette();
    }
    option.features = QStyleOptionButton::None;
    option.state |= down_ ? QStyle::State_Sunken : QStyle::State_Raised;
    // Lit under the mouse only once the mouse has moved there: being entered by a drag,
    // or standing under a mouse that rests, does not light a push button either.
    if (underMouse()) {
        option.state.setFlag(QStyle::State_MouseOver, hovering_);
    }
    option.text = caption_;
    QPainter painter(this);
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    if (marked_) {
        // Drawn in the caption's own colour, it stays visible in a black-and-white print
        // and a high-contrast theme; tucked in the top right corner, clear of the caption.
        const QRect inside = rect().adjusted(3, 3, -3, -3);
        const QPoint corner = inside.topRight();
        const QPoint mark[] = {corner, corner + QPoint(-kMarkSide, 0),
                               corner + QPoint(0, kMarkSide)};
        painter.setPen(Qt::NoPen);
        painter.setBrush(option.palette.color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                              QPalette::ButtonText));
        painter.drawPolygon(mark, 3);
    }
}

void ByteButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) {
        event->ignore();
        return;
    }
    mouseHeld_ = true;
    setDown(true);
    repaint();
    event->accept();
}

void ByteButton::mouseMoveEvent(QMouseEvent* event) {
    const bool over = underMouse() && rect().contains(event->position().toPoint());
    if (over != hovering_) {
        hovering_ = over;
        update();
    }
    emit hovered();
    if (!mouseHeld_ || !(event->buttons() & Qt::LeftButton)) {
        event->ignore();
        return;
    }
    // Held and dragged off the key it shows up, and back on it pressed again.
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != down_) {
        setDown(inside);
        repaint();
    }
    event->accept();
}

void ByteButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    mouseHeld_ = false;
    if (!down_) {
        event->ignore();
        return;
    }
    if (rect().contains(event->position().toPoint())) {
        event->accept();
        release();
        return;
    }
    setDown(false);
    update();
    event->ignore();
}

void ByteButton::keyPressEvent(QKeyEvent* event) {
    if (IsPressKey(event)) {
        if (!event->isAutoRepeat()) {
            setDown(true);
            repaint();
        }
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        focusNextPrevChild(false);
        return;
    case Qt::Key_Down:
    case Qt::Key_Right:
        focusNextPrevChild(true);
        return;
    default:
        break;
    }
    if (event->matches(QKeySequence::Cancel) && down_) {
        setDown(false);
        repaint();
        return;
    }
    // Return and Enter included: a push button outside a dialog leaves them to the window.
    event->ignore();
}

void ByteButton::keyReleaseEvent(QKeyEvent* event) {
    if (!IsPressKey(event)) {
        event->ignore();
        return;
    }
    if (!event->isAutoRepeat() && down_) {
        release();
    }
}

void ByteButton::focusOutEvent(QFocusEvent* event) {
    setDown(false);
    QWidget::focusOutEvent(event); // repaints
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
