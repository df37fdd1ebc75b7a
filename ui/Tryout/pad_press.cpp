// A press in the try-out pad: which of the layout's keys it is, what Windows would type
// with it, and the status line that says so.
#include "layout/keyboard_layout.h"
#include "try_pad.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>

namespace kbd {

namespace {

QString LayerName(TypedLayer layer) {
    switch (layer) {
    case TypedLayer::Norm:
        return QStringLiteral("Norm");
    case TypedLayer::Shift:
        return QStringLiteral("Shift");
    case TypedLayer::AltGr:
        return QStringLiteral("AltGr");
    case TypedLayer::ShiftAltGr:
        return QStringLiteral("Shift+AltGr");
    }
    return {};
}

// The code page's text for a byte, except that a combining mark is typed bare so that it
// falls on the character before it, as it would in Windows.
QString PadCharacter(const QString& shown) {
    constexpr char16_t kDottedCircle = u'\u25CC';
    if (shown.size() == 2 && shown.front() == QChar(kDottedCircle) && shown.back().isMark()) {
        return shown.back();
    }
    return shown;
}

QString Status(int keyIndex, const Typed& typed) {
    const QString head =
        QStringLiteral("Key %1, %2: ").arg(keyIndex + 1).arg(LayerName(typed.layer));
    if (!typed.byte) {
        return head + QStringLiteral("nothing");
    }
    return head + QStringLiteral("byte 0x%1 (%2)")
                      .arg(QString::number(*typed.byte, 16).toUpper().rightJustified(2, u'0'))
                      .arg(*typed.byte);
}

} // namespace

bool TTryPad::AltGrHeld(const QKeyEvent& event) const {
    const Qt::KeyboardModifiers held = event.modifiers();
    return rightAltDown_ || (held.testFlag(Qt::ControlModifier) && held.testFlag(Qt::AltModifier));
}

std::optional<int> TTryPad::PadKey(const QKeyEvent& event) const {
    const std::optional<int> key = KeyForNativeScanCode(document_.layout(), event.nativeScanCode());
    if (!key) {
        return std::nullopt;
    }
    // Control or Alt alone leave the key to the text area, so that its shortcuts still work.
    const Qt::KeyboardModifiers held = event.modifiers();
    const bool commandHeld =
        held.testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (commandHeld && !AltGrHeld(event)) {
        return std::nullopt;
    }
    return key;
}

bool TTryPad::eventFilter(QObject* watched, QEvent* event) {
    if (watched != text_) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // A typed key must not be taken by a shortcut of the application.
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (PadKey(key)) {
            event->accept();
            return true;
        }
        break;
    }
    case QEvent::KeyPress:
        return KeyPress(static_cast<const QKeyEvent&>(*event));
    case QEvent::KeyRelease:
        if (static_cast<const QKeyEvent&>(*event).nativeScanCode() == kNativeRightAlt) {
            rightAltDown_ = false;
        }
        break;
    case QEvent::FocusOut:
        // The release may go to another window.
        rightAltDown_ = false;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool TTryPad::KeyPress(const QKeyEvent& event) {
    const std::uint32_t native = event.nativeScanCode();
    if (native == kNativeRightAlt) {
        rightAltDown_ = true;
        return true;
    }
    if (native == kNativeCapsLock) {
        if (!event.isAutoRepeat()) {
            capsLock_->toggle();
        }
        return true;
    }
    const std::optional<int> key = PadKey(event);
    if (!key) {
        return false;
    }
    TypeWith(*key, {event.modifiers().testFlag(Qt::ShiftModifier), AltGrHeld(event),
                    capsLock_->isChecked()});
    return true;
}

void TTryPad::TypeWith(int keyIndex, Modifiers modifiers) {
    // Read back on every press, so the pad follows each edit at once and loses what the
    // saved file would lose.
    const Typed typed = TypeKey(ReadBack(document_.layout()), keyIndex, modifiers);
    if (typed.byte) {
        text_->insertPlainText(PadCharacter(document_.codePage().text(*typed.byte)));
    }
    lastKey_->setText(Status(keyIndex, typed));
}

} // namespace kbd
