// The Edit menu's tools: each changes many keys at once as one undo step.
#include "all_keys_form.h"
#include "layout/fill_rules.h"
#include "layout/keyboard_layout.h"

namespace kbd {

// A tool that would change nothing adds no step and says so instead.
void TAllKeysForm::ApplyEditTool(const QString& step, const QString& unchanged,
                                 const KeyboardLayout& changed) {
    if (changed == document_.layout()) {
        ShowStatus(unchanged);
        return;
    }
    document_.change(step, changed);
}

void TAllKeysForm::FillAnsiClick() {
    KeyboardLayout filled = document_.layout();
    FillAnsiByRuleOfThumb(filled, codePage().page());
    ApplyEditTool(QStringLiteral("filling of ANSI by the rule of thumb"),
                  QStringLiteral("ANSI already follows the rule of thumb on every key"), filled);
}

void TAllKeysForm::SetCapsClick() {
    KeyboardLayout set = document_.layout();
    SetCapsOnCasePairs(set, codePage().page());
    ApplyEditTool(QStringLiteral("setting of Caps Lock on letter pairs"),
                  QStringLiteral("Caps Lock already on exactly the letter pairs"), set);
}

void TAllKeysForm::ClearAltGrClick() {
    KeyboardLayout cleared = document_.layout();
    cleared.AltGrChar.fill(kNoAltGr);
    ApplyEditTool(QStringLiteral("clearing of the AltGr layer"),
                  QStringLiteral("The AltGr layer is already empty"), cleared);
}

// Under Caps Lock, Windows reads AltGr on a Caps key from the Shift+AltGr table.
void TAllKeysForm::KeepAltGrUnderCapsClick() {
    KeyboardLayout kept = document_.layout();
    KeepAltGrUnderCaps(kept, codePage().page());
    ApplyEditTool(QStringLiteral("keeping of AltGr under Caps Lock"),
                  QStringLiteral("AltGr already types under Caps Lock on every key"), kept);
}

} // namespace kbd
