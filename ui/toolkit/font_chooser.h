// TEMPORARY STUB (not committed): replaced by the real chooser.
#pragma once
#include "display_font.h"
#include <QObject>
#include <QWidget>
namespace kbd::toolkit {
class FontChooser : public QObject {
public:
    explicit FontChooser(QWidget* window) : QObject(window) {
        font_.font = QFont(QStringLiteral("Arial"));
        font_.font.setBold(true);
        font_.setPoints(10);
    }
    const DisplayFont& font() const { return font_; }
    void setFont(const DisplayFont& f) { font_ = f; }
    bool Execute() { return false; }
private:
    DisplayFont font_;
};
} // namespace kbd::toolkit
