// Options, Font: the face and code page in which the keys, the palette, the magnifier and
// the dialog's character lists draw their bytes. Each group keeps its designed size.
#include "all_keys_form.h"
#include "palette.h"
#include "ui/Onekey/one_key_form.h"
#include "ui/program_windows.h"
#include "ui/toolkit/byte_label.h"
#include "ui/toolkit/font_chooser.h"

#include <QPalette>

namespace kbd {

namespace {

constexpr int kKeyPoints = 10;
constexpr int kBigPoints = 56;
constexpr int kListPoints = 22;

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

} // namespace

void TAllKeysForm::CreateFontDialog() {
    FontDialog1 = new toolkit::FontChooser(this);
    FontDialog1->setObjectName(QStringLiteral("FontDialog1"));
}

void TAllKeysForm::Font2Click() {
    // Cancelling is not looked at: the chooser's unchanged font is applied all the same.
    FontDialog1->Execute();
    ApplyChooserFont();
}

void TAllKeysForm::ApplyChooserFont() {
    toolkit::DisplayFont chosen = FontDialog1->font();
    chosen.setPoints(kKeyPoints);
    chosen.font.setBold(true);
    chosen.font.setItalic(false);
    chosen.font.setUnderline(false);
    chosen.font.setStrikeOut(false);
    FontDialog1->setFont(chosen);

    KeysFont = chosen;
    KeysFont.font.setBold(false);

    // The keys and the cells take the client area's font and colour; the radio buttons and
    // the magnifier have their own.
    auto* client = findChild<QWidget*>(QStringLiteral("ClientArea"));
    client->setFont(chosen.font);
    SetTextColor(client, chosen.color);
    if (chosen.codePage != codePage().number()) {
        codePage().setNumber(chosen.codePage);
    }

    BigFont = chosen;
    BigFont.setPoints(kBigPoints);
    palette_->magnifier()->setFont(BigFont.font);
    SetTextColor(palette_->magnifier(), BigFont.color);

    ApplyKeysFont();
}

void TAllKeysForm::ApplyKeysFont() {
    keysFontChosen_ = true;
    // A dialog not made yet takes the font when it is (ProgramWindows::OneKeyForm).
    if (TOneKeyForm* dialog = windows_ != nullptr ? windows_->madeOneKeyForm() : nullptr) {
        dialog->SetCharListFont(*CharListFont());
    }
}

std::optional<toolkit::DisplayFont> TAllKeysForm::CharListFont() const {
    if (!keysFontChosen_) {
        return std::nullopt;
    }
    toolkit::DisplayFont list = KeysFont;
    list.setPoints(kListPoints);
    return list;
}

} // namespace kbd
