// A press in the try-out pad: which of the layout's keys it is, what Windows would type
// with it, and the status line that says so.
#include "layout/key_places.h"
#include "layout/keyboard_layout.h"
#include "layout/writer.h"
#include "try_pad.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>

namespace kbd {

namespace {

constexpr int kSpaceKey = -1; // the key index the status line names "Space"

// The code page's text for a byte, except that a combining mark is typed bare so that it
// falls on the character before it, as it would in Windows.
QString PadCharacter(const QString& shown) {
    constexpr char16_t kDottedCircle = u'\u25CC';
    if (shown.size() == 2 && shown.front() == QChar(kDottedCircle) && shown.back().isMark()) {
        return shown.back();
    }
    return shown;
}

QString Hex(std::uint8_t byte) {
    return QString::number(byte, 16).toUpper().rightJustified(2, u'0');
}

// "Key 27, table 0 (Norm): byte 0x61 (97)": the key, where the driver found what it typed,
// and each byte.
QString PadStatus(const driver::LoadedKeyboard& layout, int keyIndex, const driver::Typed& typed) {
    const QString key = keyIndex == kSpaceKey ? QStringLiteral("Space")
                                              : QStringLiteral("Key %1").arg(keyIndex + 1);
    const QString head = QStringLiteral("%1, %2").arg(
        key, QString::fromStdString(driver::DescribeSource(layout, typed)));
    QStringList bytes;
    for (const std::uint8_t byte : typed.bytes) {
        bytes << QStringLiteral("byte 0x%1 (%2)").arg(Hex(byte)).arg(byte);
    }
    return bytes.isEmpty() ? head : head + QStringLiteral(": ") + bytes.join(QStringLiteral(", "));
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
    // Ctrl and Alt type as Windows types with them (Ctrl+letters are characters there);
    // the desktop's own Meta key leaves the key to the text area.
    if (event.modifiers().testFlag(Qt::MetaModifier)) {
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
    // Space is not one of the 49 keys, but a waiting dead key takes it: the accent alone.
    constexpr std::uint32_t kNativeSpace = 0x39 + kNativeScanOffset;
    if (native == kNativeSpace && keyboard_ && keyboard_->deadKey() != 0) {
        TypeWith(kSpaceKey, 0x39, {});
        return true;
    }
    const std::optional<int> key = PadKey(event);
    if (!key) {
        return false;
    }
    const Qt::KeyboardModifiers held = event.modifiers();
    const bool altGr = AltGrHeld(event);
    driver::Modifiers modifiers;
    modifiers.shift = held.testFlag(Qt::ShiftModifier);
    modifiers.altGr = altGr;
    modifiers.ctrl = !altGr && held.testFlag(Qt::ControlModifier);
    modifiers.alt = !altGr && held.testFlag(Qt::AltModifier);
    TypeWith(*key, static_cast<std::uint8_t>(native - kNativeScanOffset), modifiers);
    return true;
}

void TTryPad::TypeWith(int keyIndex, std::uint8_t scanCode, driver::Modifiers held) {
    // The image is made on every press, so the pad follows each edit at once and types
    // only what the saved file will.
    std::vector<std::uint8_t> image = BuildKbdFile(document_.layout());
    if (!keyboard_ || image != image_) {
        image_ = std::move(image);
        keyboard_.reset();
        loaded_.reset();
        auto loaded = driver::LoadKeyboard(image_);
        if (!loaded.ok()) {
            lastKey_->setText(QString::fromStdString(loaded.error().message()));
            return;
        }
        loaded_.emplace(loaded.value());
        keyboard_.emplace(*loaded_);
    }
    keyboard_->setCapsLock(capsLock_->isChecked());
    const driver::Typed typed = keyboard_->pressScanCode(scanCode, held);
    if (!typed.deadWaiting()) {
        for (const std::uint8_t byte : typed.bytes) {
            // Control characters move nothing in the text; the status line names them.
            if (byte >= 0x20) {
                text_->insertPlainText(PadCharacter(document_.codePage().text(byte)));
            }
        }
    }
    lastKey_->setText(PadStatus(*loaded_, keyIndex, typed));
}

} // namespace kbd
