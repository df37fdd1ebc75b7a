// The Edit menu's tools: each changes many keys at once as one undo step.
#include "edit_menu.h"

#include "all_keys_form.h"
#include "layout/fill_rules.h"
#include "layout/keyboard_layout.h"
#include "menu_items.h"
#include "ui/Document/layout_document.h"

#include <QUndoStack>

namespace kbd {

EditMenu::EditMenu(TAllKeysForm& form, LayoutDocument& document)
    : QObject(&form), form_(form), document_(document) {}

void EditMenu::AddTo(QMenuBar* bar) {
    QMenu* edit = allkeys::AddMenu(bar, "Edit1", QStringLiteral("&Edit"));
    // The stack names the step in the caption: "Undo drop of A on key 14".
    QAction* undo = document_.undoStack().createUndoAction(edit, QStringLiteral("&Undo"));
    undo->setObjectName(QStringLiteral("Undo1"));
    undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* redo = document_.undoStack().createRedoAction(edit, QStringLiteral("&Redo"));
    redo->setObjectName(QStringLiteral("Redo1"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    allkeys::AddItem(&form_, edit, "FillAnsi1", QStringLiteral("Fill &ANSI by the rule of thumb"),
                     &TAllKeysForm::FillAnsiClick);
    allkeys::AddItem(&form_, edit, "SetCaps1", QStringLiteral("Set &Caps Lock on letter pairs"),
                     &TAllKeysForm::SetCapsClick);
    allkeys::AddItem(&form_, edit, "ClearAltGr1", QStringLiteral("Clear the Alt&Gr layer"),
                     &TAllKeysForm::ClearAltGrClick);
    allkeys::AddItem(&form_, edit, "KeepAltGrUnderCaps1",
                     QStringLiteral("Keep AltGr under Caps &Lock"),
                     &TAllKeysForm::KeepAltGrUnderCapsClick);
}

// A tool that would change nothing adds no step and says so instead.
void EditMenu::Apply(const QString& step, const QString& unchanged, const KeyboardLayout& changed) {
    if (changed == document_.layout()) {
        form_.ShowStatus(unchanged);
        return;
    }
    document_.change(step, changed);
}

void EditMenu::FillAnsi() {
    KeyboardLayout filled = document_.layout();
    FillAnsiByRuleOfThumb(filled, document_.codePage().page());
    Apply(QStringLiteral("filling of ANSI by the rule of thumb"),
          QStringLiteral("ANSI already follows the rule of thumb on every key"), filled);
}

void EditMenu::SetCaps() {
    KeyboardLayout set = document_.layout();
    SetCapsOnCasePairs(set, document_.codePage().page());
    Apply(QStringLiteral("setting of Caps Lock on letter pairs"),
          QStringLiteral("Caps Lock already on exactly the letter pairs"), set);
}

void EditMenu::ClearAltGr() {
    KeyboardLayout cleared = document_.layout();
    cleared.AltGrChar.fill(kNoAltGr);
    Apply(QStringLiteral("clearing of the AltGr layer"),
          QStringLiteral("The AltGr layer is already empty"), cleared);
}

// Under Caps Lock, Windows reads AltGr on a Caps key from the Shift+AltGr table.
void EditMenu::KeepAltGrUnderCaps() {
    KeyboardLayout kept = document_.layout();
    kbd::KeepAltGrUnderCaps(kept, document_.codePage().page());
    Apply(QStringLiteral("keeping of AltGr under Caps Lock"),
          QStringLiteral("AltGr already types under Caps Lock on every key"), kept);
}

} // namespace kbd
