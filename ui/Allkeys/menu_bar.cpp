// The menu bar. Access letters are the way in; only Undo and Redo have the shortcut keys
// every editor gives them.
#include "all_keys_form.h"
#include "export_menu.h"
#include "ui/toolkit/show_modeless.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

namespace kbd {

namespace {

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

template <typename Handler>
QAction* AddItem(TAllKeysForm* form, QMenu* menu, const char* name, const QString& caption,
                 Handler handler) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    QObject::connect(item, &QAction::triggered, form, handler);
    return item;
}

} // namespace

void TAllKeysForm::CreateMenu() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = AddMenu(bar, "Fajl1", QStringLiteral("&File"));
    AddItem(this, file, "OpenKBD1", QStringLiteral("&Open .KBD"), &TAllKeysForm::OpenKBD1Click);
    AddItem(this, file, "SaveKBD1", QStringLiteral("&Save .KBD"), &TAllKeysForm::SaveKBD1Click);
    AddItem(this, file, "NewFromSystem1", QStringLiteral("&New from system layout..."),
            &TAllKeysForm::NewFromSystemLayoutClick);
    AddItem(this, file, "Import1", QStringLiteral("&Import..."), &TAllKeysForm::ImportClick);
    file->addSeparator()->setObjectName(QStringLiteral("N1"));
    AddItem(this, file, "Kraj1", QStringLiteral("E&xit"), &TAllKeysForm::Kraj1Click);

    CreateEditMenu(bar);

    QMenu* options = AddMenu(bar, "Font1", QStringLiteral("&Options"));
    AddItem(this, options, "Font2", QStringLiteral("&Font"), &TAllKeysForm::Font2Click);

    QMenu* tools = AddMenu(bar, "Tools1", QStringLiteral("&Tools"));
    AddItem(this, tools, "TryLayout1", QStringLiteral("&Try layout"),
            &TAllKeysForm::TryLayoutClick);
    AddItem(this, tools, "CheckLayout1", QStringLiteral("&Check layout"),
            &TAllKeysForm::CheckLayoutClick);
    AddItem(this, tools, "ExportPicture1", QStringLiteral("Export &picture"),
            &TAllKeysForm::ExportPictureClick);
    AddExportItems(this, tools);
    AddItem(this, tools, "InstallDiskImage1", QStringLiteral("Install into &disk image..."),
            &TAllKeysForm::InstallIntoDiskImageClick);

    QMenu* help = AddMenu(bar, "Help1", QStringLiteral("&Help"));
    AddItem(this, help, "Kakokoristiti1", QStringLiteral("&Topics"),
            &TAllKeysForm::Kakokoristiti1Click);
    AddItem(this, help, "Oprogramu1", QStringLiteral("&About"), &TAllKeysForm::Oprogramu1Click);

    setMenuBar(bar);
}

void TAllKeysForm::CreateEditMenu(QMenuBar* bar) {
    QMenu* edit = AddMenu(bar, "Edit1", QStringLiteral("&Edit"));
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
    AddItem(this, edit, "FillAnsi1", QStringLiteral("Fill &ANSI by the rule of thumb"),
            &TAllKeysForm::FillAnsiClick);
    AddItem(this, edit, "SetCaps1", QStringLiteral("Set &Caps Lock on letter pairs"),
            &TAllKeysForm::SetCapsClick);
    AddItem(this, edit, "ClearAltGr1", QStringLiteral("Clear the Alt&Gr layer"),
            &TAllKeysForm::ClearAltGrClick);
    AddItem(this, edit, "KeepAltGrUnderCaps1", QStringLiteral("Keep AltGr under Caps &Lock"),
            &TAllKeysForm::KeepAltGrUnderCapsClick);
}

void TAllKeysForm::Kakokoristiti1Click() {
    toolkit::ShowModeless(Pomoc_ ? Pomoc_() : nullptr);
}

void TAllKeysForm::Oprogramu1Click() {
    toolkit::ShowModeless(form_about_ ? form_about_() : nullptr);
}

} // namespace kbd
