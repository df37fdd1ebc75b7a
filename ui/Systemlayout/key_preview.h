// A small picture of the 49 keys with the Norm and Shift characters of a layout, for
// choosing a layout before it replaces the one being edited.
#pragma once

#include "codepage/code_page.h"
#include "layout/keyboard_layout.h"

#include <QWidget>
#include <optional>

namespace kbd {

class TKeyPreview : public QWidget {
    Q_OBJECT
public:
    explicit TKeyPreview(QWidget* parent = nullptr);

    // Shows `layout` read in `page`; nothing shows the keys blank.
    void showLayout(const std::optional<KeyboardLayout>& layout, const CodePage& page);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Shift above Norm, as printed on a keycap.
    QString keyText(int number) const;

    std::optional<KeyboardLayout> layout_;
    CodePage page_;
};

} // namespace kbd
