#include "fill_rules.h"

#include "format_rules.h"

namespace kbd {
namespace {

// Stores `value` and tells whether that changed the byte.
bool Store(std::uint8_t& field, std::uint8_t value) {
    const bool changed = field != value;
    field = value;
    return changed;
}

} // namespace

int FillAnsiByRuleOfThumb(KeyboardLayout& layout, const CodePage& codePage) {
    int changed = 0;
    for (int i = 0; i < kKeyCount; ++i) {
        const std::uint8_t norm = layout.NormalChar[i], shift = layout.ShiftChar[i];
        changed += Store(layout.AnsiChar[i], codePage.isCasePair(norm, shift) ? shift : norm);
    }
    return changed;
}

int SetCapsOnCasePairs(KeyboardLayout& layout, const CodePage& codePage) {
    int changed = 0;
    for (int i = 0; i < kKeyCount; ++i) {
        const bool pair = codePage.isCasePair(layout.NormalChar[i], layout.ShiftChar[i]);
        changed += Store(layout.CapsAffected[i], pair ? 1 : 0);
    }
    return changed;
}

int KeepAltGrUnderCaps(KeyboardLayout& layout, const CodePage& codePage) {
    int changed = 0;
    for (int i = 0; i < kKeyCount; ++i) {
        if (layout.CapsAffected[i] == 0 || !AltGrWritten(layout, i) ||
            ShiftAltGrWritten(layout, i)) {
            continue;
        }
        const std::uint8_t altGr = layout.AltGrChar[i], upper = codePage.upper(altGr);
        changed +=
            Store(layout.ShiftAltGrChar[i], codePage.isCasePair(altGr, upper) ? upper : altGr);
    }
    return changed;
}

} // namespace kbd
