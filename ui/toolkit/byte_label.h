// A label that shows one layout byte through the shared code page, as it is: no access
// letters, no rich text.
#pragma once

#include <QLabel>
#include <cstdint>

namespace kbd::toolkit {

class CodePage;

class ByteLabel : public QLabel {
    Q_OBJECT
public:
    ByteLabel(const CodePage& codePage, std::uint8_t code, QWidget* parent);

    std::uint8_t code() const { return code_; }
    void setCode(std::uint8_t code);

signals:
    // The mouse moved over the label, with or without a button held.
    void hovered();
    void leftPressed();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void render();

    const CodePage& codePage_;
    std::uint8_t code_;
};

} // namespace kbd::toolkit
