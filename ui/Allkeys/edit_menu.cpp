// The Edit menu's tools: each changes many keys at once as one undo step.
#include "all_keys_form.h"
#include "layout/fill_rules.h"
#include "layout/keyboard_layout.h"

namespace kbd {

void TAllKeysForm::FillAnsiClick() {
    KeyboardLayout filled = document_.layout();
    if (FillAnsiByRuleOfThumb(filled, codePage().page()) == 0) {
        ShowStatus(QStringLiteral("ANSI already follows the rule of thumb on every key"));
        return;
    }
    document_.change(QStringLiteral("filling of ANSI by the rule of thumb"), filled);
    ShowLayer(LayerMode);
}

void TAllKeysForm::SetCapsClick() {
    KeyboardLayout set = document_.layout();
    if (SetCapsOnCasePairs(set, codePage().page()) == 0) {
        ShowStatus(QStringLiteral("Caps Lock already on exactly the letter pairs"));
        return;
    }
    document_.change(QStringLiteral("setting of Caps Lock on letter pairs"), set);
    ShowLayer(LayerMode);
}

void TAllKeysForm::ClearAltGrClick() {
    KeyboardLayout cleared = document_.layout();
    cleared.AltGrChar.fill(kNoAltGr);
    if (cleared == document_.layout()) {
        ShowStatus(QStringLiteral("The AltGr layer is already empty"));
        return;
    }
    document_.change(QStringLiteral("clearing of the AltGr layer"), cleared);
    ShowLayer(LayerMode);
}

// Under Caps Lock, Windows reads AltGr on a Caps key from the Shift+AltGr table.
void TAllKeysForm::KeepAltGrUnderCapsClick() {
    KeyboardLayout kept = document_.layout();
    if (KeepAltGrUnderCaps(kept, codePage().page()) == 0) {
        ShowStatus(QStringLiteral("AltGr already types under Caps Lock on every key"));
        return;
    }
    document_.change(QStringLiteral("keeping of AltGr under Caps Lock"), kept);
    ShowLayer(LayerMode);
}

} // namespace kbd
