// The menu bar. Access letters are the way in; only Undo and Redo have the shortcut keys
// every editor gives them.
#include "all_keys_form.h"
#include "edit_menu.h"
#include "file_menu.h"
#include "menu_items.h"
#include "tools_menu.h"
#include "ui/About/form_about.h"
#include "ui/Upomoc/pomoc.h"
#include "ui/program_windows.h"
#include "ui/toolkit/show_modeless.h"

namespace kbd {

using namespace allkeys;

void TAllKeysForm::CreateMenu() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));

    fileMenu_ = new FileMenu(*this, document_);
    fileMenu_->AddTo(bar);
    editMenu_ = new EditMenu(*this, document_);
    editMenu_->AddTo(bar);

    QMenu* options = AddMenu(bar, "Font1", QStringLiteral("&Options"));
    AddItem(this, options, "Font2", QStringLiteral("&Font"), &TAllKeysForm::Font2Click);

    toolsMenu_ = new ToolsMenu(*this, document_, *keyboard_, *FontDialog1);
    toolsMenu_->AddTo(bar);

    QMenu* help = AddMenu(bar, "Help1", QStringLiteral("&Help"));
    AddItem(this, help, "Kakokoristiti1", QStringLiteral("&Topics"),
            &TAllKeysForm::Kakokoristiti1Click);
    AddItem(this, help, "Oprogramu1", QStringLiteral("&About"), &TAllKeysForm::Oprogramu1Click);

    setMenuBar(bar);
}

void TAllKeysForm::Kakokoristiti1Click() {
    toolkit::ShowModeless(windows_ != nullptr ? &windows_->Info.Pomoc() : nullptr);
}

void TAllKeysForm::Oprogramu1Click() {
    toolkit::ShowModeless(windows_ != nullptr ? &windows_->Info.form_about() : nullptr);
}

} // namespace kbd

namespace kbd {

void TAllKeysForm::OpenKBD1Click() {
    fileMenu_->Open();
}

void TAllKeysForm::OpenKbdFile(const QString& path) {
    fileMenu_->OpenFile(path);
}

void TAllKeysForm::SaveKBD1Click() {
    fileMenu_->Save();
}

void TAllKeysForm::NewFromSystemLayoutClick() {
    fileMenu_->NewFromSystemLayout();
}

void TAllKeysForm::ImportClick() {
    fileMenu_->Import();
}

void TAllKeysForm::Kraj1Click() {
    fileMenu_->Exit();
}

void TAllKeysForm::TryLayoutClick() {
    toolsMenu_->TryLayout();
}

void TAllKeysForm::CheckLayoutClick() {
    toolsMenu_->CheckLayout();
}

void TAllKeysForm::ExportPictureClick() {
    toolsMenu_->ExportPicture();
}

void TAllKeysForm::InstallIntoDiskImageClick() {
    toolsMenu_->InstallIntoDiskImage();
}

void TAllKeysForm::FillAnsiClick() {
    editMenu_->FillAnsi();
}

void TAllKeysForm::SetCapsClick() {
    editMenu_->SetCaps();
}

void TAllKeysForm::ClearAltGrClick() {
    editMenu_->ClearAltGr();
}

void TAllKeysForm::KeepAltGrUnderCapsClick() {
    editMenu_->KeepAltGrUnderCaps();
}

} // namespace kbd
