// The Edit menu's tools: each changes many keys at once as one undo step.
#include "all_keys_form.h"
#include "layout/keyboard_layout.h"

namespace kbd {

namespace {

constexpr std::uint8_t kNoAltGr = 0x20;

} // namespace

void TAllKeysForm::ClearAltGrClick() {
    KeyboardLayout cleared = document_.layout();
    cleared.AltGrChar.fill(kNoAltGr);
    document_.change(QStringLiteral("clearing of the AltGr layer"), cleared);
    ShowLayer(LayerMode);
}

} // namespace kbd
