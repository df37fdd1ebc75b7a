// "Try layout": a text area in which the physical keyboard types what Windows 95 would
// type with the layout being edited: the model of its keyboard driver on the file the
// editor would save now.
// One window for the whole run; closing it only hides it.
#pragma once

#include "driver/to_ascii.h"
#include "layout/typing.h"
#include "ui/Document/layout_document.h"

#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

class QCheckBox;
class QKeyEvent;
class QLabel;
class QPlainTextEdit;

namespace kbd {

class TTryPad : public QWidget {
    Q_OBJECT
public:
    // Types with the layout of `document`, which must outlive the pad, and shows the bytes
    // in its code page; later edits and code pages reach the presses that follow them.
    explicit TTryPad(const LayoutDocument& document, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The key index a press of the text area types with, or nothing for a press the text
    // area edits with as usual.
    std::optional<int> PadKey(const QKeyEvent& event) const;
    bool AltGrHeld(const QKeyEvent& event) const;
    bool KeyPress(const QKeyEvent& event);
    void TypeWith(int keyIndex, std::uint8_t scanCode, driver::Modifiers held);

    const LayoutDocument& document_;
    QPlainTextEdit* text_ = nullptr;
    QCheckBox* capsLock_ = nullptr;
    QLabel* lastKey_ = nullptr;
    // The right Alt key by its own scan code: desktops give it different key symbols.
    bool rightAltDown_ = false;
    // The driver as loaded with the last image typed on; a new image loads it afresh,
    // which also drops a waiting dead key.
    std::vector<std::uint8_t> image_;
    std::optional<driver::LoadedKeyboard> loaded_;
    std::optional<driver::Keyboard> keyboard_;
};

} // namespace kbd
