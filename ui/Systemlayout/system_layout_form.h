// File, New from system layout: the layouts and variants the desktop knows, a code page,
// and a preview of the chosen layout's Norm and Shift characters. One window for the run,
// built on first use.
#pragma once

#include "system_layouts/layout_from_xkb.h"
#include "system_layouts/layout_list.h"

#include <QDialog>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace kbd {

class TKeyPreview;

class TSystemLayoutForm : public QDialog {
    Q_OBJECT
public:
    explicit TSystemLayoutForm(QWidget* parent = nullptr);

    struct Choice {
        SystemLayout which;
        int codePage = 0;
        BuiltLayout built;
    };

    // Runs the window modally with `codePage` preselected; nothing when cancelled.
    std::optional<Choice> choose(int codePage);

private:
    void fillList();
    void applyFilter();
    void rebuild();
    // Until the user picks a script, it follows the languages of the selected layout.
    void followSelection();

    QLineEdit* filter_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QComboBox* scripts_ = nullptr;
    QCheckBox* deadKeys_ = nullptr;
    TKeyPreview* preview_ = nullptr;
    QLabel* status_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    std::vector<SystemLayout> layouts_;
    std::optional<Choice> choice_;
    bool scriptPicked_ = false; // by hand, in this showing of the window
};

} // namespace kbd
