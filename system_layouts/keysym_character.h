// The one character a keysym puts into a layer. A KBD file has no dead keys, so a dead
// accent becomes the accent itself, spacing, as people type it alone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kbd {

// The character of an xkbcommon keysym: a dead grave, acute, circumflex, tilde,
// diaeresis, caron, breve, dot above, ogonek, double acute, cedilla, ring or macron as
// its spacing accent, any other keysym as libxkbcommon reads it; nothing for a keysym
// that stands for no character (another dead key, a function).
std::optional<char32_t> KeysymCharacter(std::uint32_t keysym);

// The keysym's name as xkeyboard-config writes it ("dead_belowdot").
std::string KeysymName(std::uint32_t keysym);

} // namespace kbd
