#include "tools_menu.h"

#include "all_keys_form.h"
#include "export_menu.h"
#include "keyboard_panel.h"
#include "layout/keyboard_layout.h"
#include "menu_items.h"
#include "render/layout_picture.h"
#include "ui/Check/check_form.h"
#include "ui/Document/layout_document.h"
#include "ui/Morelayers/more_layers_form.h"
#include "ui/Tryout/try_pad.h"
#include "ui/toolkit/file_chooser.h"
#include "ui/toolkit/font_chooser.h"
#include "ui/toolkit/messages.h"
#include "ui/toolkit/show_modeless.h"

#include <QFileInfo>

namespace kbd {

ToolsMenu::ToolsMenu(TAllKeysForm& form, LayoutDocument& document, KeyboardPanel& keys,
                     const toolkit::FontChooser& fonts)
    : QObject(&form), form_(form), document_(document), keys_(keys), fonts_(fonts) {
    connect(&document_, &LayoutDocument::layoutChanged, this, &ToolsMenu::RefreshCheck);
    connect(&document_, &LayoutDocument::keyChanged, this, &ToolsMenu::RefreshCheck);
    connect(&document_, &LayoutDocument::codePageChanged, this, &ToolsMenu::RefreshCheck);
}

void ToolsMenu::AddTo(QMenuBar* bar) {
    QMenu* tools = allkeys::AddMenu(bar, "Tools1", QStringLiteral("&Tools"));
    allkeys::AddItem(&form_, tools, "TryLayout1", QStringLiteral("&Try layout"),
                     &TAllKeysForm::TryLayoutClick);
    allkeys::AddItem(&form_, tools, "CheckLayout1", QStringLiteral("&Check layout"),
                     &TAllKeysForm::CheckLayoutClick);
    allkeys::AddItem(&form_, tools, "MoreLayers1", QStringLiteral("&More layers"),
                     [this] { MoreLayers(); });
    allkeys::AddItem(&form_, tools, "ExportPicture1", QStringLiteral("Export &picture"),
                     &TAllKeysForm::ExportPictureClick);
    AddExportItems(&form_, tools);
    allkeys::AddItem(&form_, tools, "InstallDiskImage1",
                     QStringLiteral("Install into &disk image..."),
                     &TAllKeysForm::InstallIntoDiskImageClick);
}

void ToolsMenu::TryLayout() {
    if (TryPad_ == nullptr) {
        TryPad_ = new TTryPad(document_, &form_);
    }
    toolkit::ShowModeless(TryPad_);
}

void ToolsMenu::CheckLayout() {
    if (CheckForm_ == nullptr) {
        CheckForm_ = new TCheckForm(&form_);
        connect(CheckForm_, &TCheckForm::findingSelected, &keys_, &KeyboardPanel::PointOut);
    }
    CheckForm_->refresh(document_.layout(), document_.codePage().number());
    toolkit::ShowModeless(CheckForm_);
}

void ToolsMenu::MoreLayers() {
    if (MoreLayers_ == nullptr) {
        MoreLayers_ = new TMoreLayersForm(document_, &form_);
    }
    toolkit::ShowModeless(MoreLayers_);
}

void ToolsMenu::RefreshCheck() {
    if (CheckForm_ != nullptr && CheckForm_->isVisible()) {
        CheckForm_->refresh(document_.layout(), document_.codePage().number());
    }
}

void ToolsMenu::ExportPicture() {
    if (PictureDialog_ == nullptr) {
        PictureDialog_ = new toolkit::FileChooser(&form_, [](QFileDialog& chooser) {
            chooser.setWindowTitle(QStringLiteral("Export the layout picture"));
            chooser.setNameFilters({QStringLiteral("PDF document (*.pdf)"),
                                    QStringLiteral("SVG picture (*.svg)"),
                                    QStringLiteral("PNG picture (*.png)")});
            chooser.setAcceptMode(QFileDialog::AcceptSave);
            chooser.setFileMode(QFileDialog::AnyFile);
            chooser.setDefaultSuffix(QStringLiteral("pdf"));
        });
        PictureDialog_->setObjectName(QStringLiteral("PictureDialog"));
        PictureDialog_->setFileName(QStringLiteral("layout.pdf"));
    }
    const auto path = PictureDialog_->choose();
    if (!path) {
        return;
    }
    render::PictureStyle style;
    style.face = fonts_.font().font.family();
    style.codePage = document_.codePage().number();
    style.title = QFileInfo(*path).completeBaseName();
    if (const Status written = render::ExportLayoutPicture(document_.layout(), style, *path);
        !written.ok()) {
        toolkit::ShowError(&form_, QStringLiteral("Error in Exporting"), written.error());
    }
}

} // namespace kbd
