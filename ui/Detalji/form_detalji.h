// The details window: a longer notice about the program, opened from the about window.
// Modeless; closing it hides it and keeps its scroll position.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace kbd {

class Tform_detalji : public QDialog {
    Q_OBJECT
public:
    explicit Tform_detalji(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;

    void Button1Click();
};

} // namespace kbd
