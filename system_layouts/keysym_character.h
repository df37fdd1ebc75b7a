// The one character a keysym puts into a layer. A dead accent becomes the accent itself,
// spacing: the character a dead key of a KBD file stands for, and what a layout without
// dead keys types alone.
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

// True for the keysyms of dead keys (dead_acute, dead_belowdot...), spacing form or not.
bool IsDeadKeysym(std::uint32_t keysym);

// Another spacing form of a dead accent, for a code page that lacks the usual one: the
// Greek tonos for dead_acute. Nothing for the other keysyms.
std::optional<char32_t> OtherSpacingForm(std::uint32_t keysym);

// The dead keysym whose accent `accent` is, in either spacing form (´ or the Greek tonos:
// dead_acute); nothing for a character that is no dead accent.
std::optional<std::uint32_t> DeadKeysymOf(char32_t accent);

// The keysym's name as xkeyboard-config writes it ("dead_belowdot").
std::string KeysymName(std::uint32_t keysym);

} // namespace kbd
