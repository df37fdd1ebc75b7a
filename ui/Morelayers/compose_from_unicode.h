// What Unicode composes a dead accent with in a code page: each base whose character,
// followed by the accent's combining form, normalizes into one character the page holds.
// Qt's normalization does the work, so this lives beside the window that offers it.
#pragma once

#include "codepage/code_page.h"
#include "layout/keyboard_layout.h"

#include <QString>
#include <cstdint>
#include <span>
#include <vector>

namespace kbd {

struct AccentMark {
    char32_t accent;
    char32_t mark;
};

// The spacing accents whose combining mark no Unicode decomposition names: ^ ` ~ ˆ ˇ °.
std::span<const AccentMark> UndecomposedAccents();

// The combining marks a spacing accent stands for: U+0302 for ^, U+0308 U+0301 for the
// Greek dialytika tonos, a combining mark itself; empty for a character that is no accent.
QString CombiningForm(char32_t accent);

// The compositions of the dead character `accent` in `page`, in base order; none when its
// character is no accent.
std::vector<Composition> ComposeFromUnicode(const CodePage& page, std::uint8_t accent);

} // namespace kbd
