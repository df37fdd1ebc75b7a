// The window that asks where in a disk image the layout goes: the Windows found, its
// layout files with what their first letter row types, and the way to install.
#pragma once

#include "codepage/code_page.h"
#include "diskimage/install.h"
#include "diskimage/survey.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace kbd {

class TDiskInstallForm : public QDialog {
    Q_OBJECT
public:
    TDiskInstallForm(diskimage::Survey survey, const CodePage& page, QWidget* parent);

    // What the user chose, for InstallLayout; the layout's bytes are the caller's.
    diskimage::InstallRequest request() const;

private:
    void showWindows(int index);
    void updateOk();

    diskimage::Survey survey_;
    CodePage page_;
    QComboBox* windows_;
    QListWidget* files_;
    QRadioButton* replace_;
    QRadioButton* add_;
    QLineEdit* name_;
    QLineEdit* text_;
    class QPushButton* ok_;
};

} // namespace kbd
