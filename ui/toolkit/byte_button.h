// A push button captioned with one layout byte through the shared code page. It reports
// hovering and drags; whoever wires it decides what a drop means.
#pragma once

#include <QDropEvent>
#include <QPushButton>
#include <cstdint>

namespace kbd::toolkit {

class CodePage;

class ByteButton : public QPushButton {
    Q_OBJECT
public:
    ByteButton(const CodePage& codePage, const QString& storedCaption, QWidget* parent);

    // The byte shown, once setCode() has run; until then the stored caption stands.
    std::uint8_t code() const { return code_; }
    void setCode(std::uint8_t code);

signals:
    void hovered();
    // Emitted with the event ignored: a receiver that wants the drag accepts it.
    void dragOver(QDragMoveEvent* event);
    void dropped(QDropEvent* event);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void render();

    const CodePage& codePage_;
    std::uint8_t code_ = 0;
    bool hasCode_ = false;
};

} // namespace kbd::toolkit
