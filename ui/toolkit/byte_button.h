// A key of the keyboard picture: captioned with one layout byte through the shared code
// page, it looks, takes focus and answers the mouse and the keyboard as a push button does.
// It is a plain widget that paints itself through the style, because a push button's
// per-widget set-up and its size-hint bookkeeping on every caption weighed on the start.
// It reports hovering and drags; whoever wires it decides what a click or a drop means.
#pragma once

#include <QBasicTimer>
#include <QDropEvent>
#include <QWidget>
#include <cstdint>

namespace kbd::toolkit {

class ShownCodePage;

class ByteButton : public QWidget {
    Q_OBJECT
public:
    ByteButton(const ShownCodePage& codePage, const QString& storedCaption, QWidget* parent);

    // The byte shown, once setCode() has run; until then the stored caption stands.
    std::uint8_t code() const { return code_; }
    void setCode(std::uint8_t code);

    // The caption as a push button reads it: "&&" shows one ampersand, and a single "&"
    // marks the access letter that clicks the key with Alt. setCode() replaces it.
    const QString& text() const { return caption_; }
    void setText(const QString& caption);

    // Shown pressed: the mouse or the space bar is held on it.
    bool isDown() const { return down_; }

    // A small corner mark in the caption's colour that leaves the caption as it is: the
    // character shown is a dead key. Assistive tools read it as the key's description.
    bool isMarked() const { return marked_; }
    void setMarked(bool marked);

    // Emits clicked(), as the mouse or the keyboard do, unless the key is disabled.
    void click();

signals:
    void clicked();
    void hovered();
    // Emitted with the event ignored: a receiver that wants the drag accepts it.
    void dragOver(QDragMoveEvent* event);
    void dropped(QDropEvent* event);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void render();
    void setDown(bool down);
    // Released after being down: shown up at once, then clicked().
    void release();

    const ShownCodePage& codePage_;
    QString caption_;
    std::uint8_t code_ = 0;
    bool hasCode_ = false;
    bool down_ = false;
    bool marked_ = false;
    bool mouseHeld_ = false;
    bool hovering_ = false; // the last mouse move was over the key
    int shortcutId_ = 0;
    QBasicTimer accessClick_; // how long an access letter shows the key pressed
};

} // namespace kbd::toolkit
