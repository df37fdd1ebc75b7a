// The help window: a short user guide on three tabbed pages. It is modeless and lives
// until the program ends; closing it hides it with its page, scroll positions and
// whatever was typed on the "Ads" page.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace kbd {

class TPomoc : public QDialog {
    Q_OBJECT
public:
    explicit TPomoc(QWidget* parent = nullptr);

    QTabWidget* TabbedNotebook1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPlainTextEdit* Memo4 = nullptr;
    QPushButton* Button1 = nullptr;

    void Button1Click();
};

} // namespace kbd
