// A palette cell or the magnifier: one layout byte shown through the shared code page, as
// it is (no access letters, no rich text), on its own background. A plain widget that
// paints itself, light enough to make 225 of them at start-up.
#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>

namespace kbd::toolkit {

class ShownCodePage;

class ByteLabel : public QWidget {
    Q_OBJECT
public:
    ByteLabel(const ShownCodePage& codePage, std::uint8_t code, QWidget* parent);

    std::uint8_t code() const { return code_; }
    void setCode(std::uint8_t code);

    // The character shown for the byte.
    const QString& text() const;

    // Where in the widget the character stands; left and vertically centred until set.
    void setAlignment(Qt::Alignment alignment);

    // Fills the widget with `color` under the character; without it the parent shows
    // through. Cheaper than a palette of its own, which every widget would resolve anew.
    void setBackground(const QColor& color);

signals:
    // The mouse moved over the label, with or without a button held.
    void hovered();
    void leftPressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Redraws it, and tells a screen reader, once the byte or the code page changed.
    void textChanged();

    const ShownCodePage& codePage_;
    std::uint8_t code_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
    QColor background_;
};

} // namespace kbd::toolkit
