// The Tools menu: trying the layout out as Windows will type it, checking what a save
// would lose, and a printable picture of the keys. The windows are built on first use.
#include "all_keys_form.h"
#include "keyboard_panel.h"
#include "layout/keyboard_layout.h"
#include "render/layout_picture.h"
#include "ui/Check/check_form.h"
#include "ui/Tryout/try_pad.h"
#include "ui/toolkit/file_chooser.h"
#include "ui/toolkit/font_chooser.h"
#include "ui/toolkit/messages.h"
#include "ui/toolkit/show_modeless.h"

#include <QFileInfo>

namespace kbd {

void TAllKeysForm::TryLayoutClick() {
    if (TryPad_ == nullptr) {
        TryPad_ = new TTryPad(document_, this);
    }
    toolkit::ShowModeless(TryPad_);
}

void TAllKeysForm::CheckLayoutClick() {
    if (CheckForm_ == nullptr) {
        CheckForm_ = new TCheckForm(this);
        connect(CheckForm_, &TCheckForm::findingSelected, this, &TAllKeysForm::PointOutKey);
    }
    CheckForm_->refresh(document_.layout(), codePage().number());
    toolkit::ShowModeless(CheckForm_);
}

void TAllKeysForm::RefreshCheck() {
    if (CheckForm_ != nullptr && CheckForm_->isVisible()) {
        CheckForm_->refresh(document_.layout(), codePage().number());
    }
}

void TAllKeysForm::PointOutKey(int key, int layer) {
    keyboard_->PointOut(key, layer);
}

void TAllKeysForm::ExportPictureClick() {
    if (PictureDialog_ == nullptr) {
        PictureDialog_ = new toolkit::FileChooser(this, [](QFileDialog& chooser) {
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
    style.face = FontDialog1->font().font.family();
    style.codePage = codePage().number();
    style.title = QFileInfo(*path).completeBaseName();
    if (const auto failed = render::ExportLayoutPicture(document_.layout(), style, *path)) {
        toolkit::ShowMessage(this, QStringLiteral("Error in Exporting"), *failed);
    }
}

} // namespace kbd
