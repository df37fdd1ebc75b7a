#include "font_chooser.h"

#include "font_form.h"

namespace kbd::toolkit {

namespace {

constexpr int kStartPoints = 10;

} // namespace

FontChooser::FontChooser(QWidget* window) : QObject(window), window_(window) {
    font_.font = QFont(QStringLiteral("Arial"));
    font_.font.setBold(true);
    font_.setPoints(kStartPoints);
}

FontForm& FontChooser::form() {
    if (form_.isNull()) {
        form_ = new FontForm(window_);
        form_->setObjectName(objectName());
    }
    return *form_;
}

QDialog& FontChooser::dialog() {
    return form();
}

bool FontChooser::Execute() {
    FontForm& chooser = form();
    chooser.preset(font_);
    if (chooser.exec() != QDialog::Accepted) {
        return false;
    }
    font_ = chooser.chosen();
    return true;
}

} // namespace kbd::toolkit
