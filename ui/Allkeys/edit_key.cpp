// Clicking a key: the code-assignment dialog edits all of that key's fields at once.
#include "all_keys_form.h"
#include "layout/keyboard_layout.h"
#include "ui/Onekey/one_key_form.h"
#include "ui/program_windows.h"

#include <QCheckBox>
#include <QComboBox>

namespace kbd {

namespace {

// A position outside the list leaves it with no selection.
void Preselect(QComboBox* list, int position) {
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

// The list's code, or `previous` when it has no selection: a list lacks exactly the codes
// it cannot show, so closing the dialog untouched must not overwrite such a code.
std::uint8_t Picked(const QComboBox* list, int first, std::uint8_t previous) {
    const int p = list->currentIndex();
    return p < 0 ? previous : static_cast<std::uint8_t>(p + first);
}

} // namespace

TOneKeyForm* TAllKeysForm::KeyDialog() {
    return windows_ != nullptr ? &windows_->OneKeyForm() : nullptr;
}

void TAllKeysForm::EditKey(int number) {
    TOneKeyForm* dialog = KeyDialog();
    if (dialog == nullptr || number < 1 || number > kKeyCount) {
        return;
    }
    PresetKeyDialog(number - 1);
    dialog->exec(); // how the dialog was closed does not matter
    StoreKeyDialog(number - 1);
}

void TAllKeysForm::PresetKeyDialog(int index) {
    const KeyboardLayout& layout = document_.layout();
    const auto i = static_cast<std::size_t>(index);
    if (KeyDialog() == nullptr) {
        return;
    }
    TOneKeyForm& dialog = *KeyDialog();
    Preselect(dialog.Comb_virt, layout.VirtualKey[i] - TOneKeyForm::kFirstVirtual);
    Preselect(dialog.comb_shift, layout.ShiftChar[i] - TOneKeyForm::kFirstChar);
    Preselect(dialog.comb_mala, layout.NormalChar[i] - TOneKeyForm::kFirstChar);
    Preselect(dialog.comb_altgr, layout.AltGrChar[i] - TOneKeyForm::kFirstAltGr);
    Preselect(dialog.comb_ansi, layout.AnsiChar[i] - TOneKeyForm::kFirstChar);
    dialog.check_caps->setChecked(layout.CapsAffected[i] == 1);
}

void TAllKeysForm::StoreKeyDialog(int index) {
    KeyboardLayout layout = document_.layout();
    const auto i = static_cast<std::size_t>(index);
    if (KeyDialog() == nullptr) {
        return;
    }
    const TOneKeyForm& dialog = *KeyDialog();
    // The virtual-key list holds every byte, so it always has a selection.
    layout.VirtualKey[i] = static_cast<std::uint8_t>(dialog.Comb_virt->currentIndex());
    layout.ShiftChar[i] = Picked(dialog.comb_shift, TOneKeyForm::kFirstChar, layout.ShiftChar[i]);
    layout.NormalChar[i] = Picked(dialog.comb_mala, TOneKeyForm::kFirstChar, layout.NormalChar[i]);
    layout.AltGrChar[i] = Picked(dialog.comb_altgr, TOneKeyForm::kFirstAltGr, layout.AltGrChar[i]);
    layout.AnsiChar[i] = Picked(dialog.comb_ansi, TOneKeyForm::kFirstChar, layout.AnsiChar[i]);
    layout.CapsAffected[i] = dialog.check_caps->isChecked() ? 1 : 0;
    // A dialog closed without a change adds no undo step and re-captions nothing.
    document_.changeKey(QStringLiteral("change of key %1").arg(index + 1), index, layout);
}

} // namespace kbd
