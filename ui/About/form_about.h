// The about window: the program's title, a few short texts, the build's version, its
// picture and a button that first leads on to the details window and then closes this one.
// Modeless.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QShowEvent;

namespace kbd {

class Tform_detalji;

class Tform_about : public QDialog {
    Q_OBJECT
public:
    // The details window is created after this one, so it is only remembered here and
    // first used when the button is clicked.
    explicit Tform_about(Tform_detalji& details, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* Button2 = nullptr;

    // Runs each time the window goes from hidden to shown, not when a shown one is raised.
    void FormShow();
    void Button2Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Tform_detalji& form_detalji_;
};

} // namespace kbd
