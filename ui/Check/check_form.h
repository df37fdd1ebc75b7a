// The "Check layout" window: every finding of the layout check for the layout being
// edited, one row each. It keeps no layout; the main window refreshes it after a change.
#pragma once

#include "layout/keyboard_layout.h"
#include "layout/layout_check.h"

#include <QWidget>
#include <optional>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace kbd {

class TCheckForm : public QWidget {
    Q_OBJECT
public:
    // A window of its own even with a parent; closing it only hides it.
    explicit TCheckForm(QWidget* parent = nullptr);

    // Lists the findings of `layout` with characters read in `codePage`; a code page the
    // system lacks is read as ISO 8859-1, as the editor's keys then are. The selection
    // goes, without a findingSelected.
    void refresh(const KeyboardLayout& layout, int codePage);

signals:
    // key 1..49; layer 1 Shift, 2 Norm, 3 AltGr, 4 ANSI, or 0 for the whole key.
    void findingSelected(int key, int layer);

private:
    void announce(const QTreeWidgetItem* item);

    QTreeWidget* findings_ = nullptr;
    QLabel* summary_ = nullptr;
};

} // namespace kbd
