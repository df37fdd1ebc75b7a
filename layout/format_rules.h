// The two rules of the KBD format that decide what a layout keeps once saved and read
// back. The writer, the reader, the check, the try-out pad and the picture all ask here,
// so none of them can disagree with the file.
#pragma once

#include "keyboard_layout.h"

#include <array>
#include <cstdint>

namespace kbd {

// The file has an AltGr character for a key only above the space and on a key with a
// virtual-key code to hang it on; anything else reads back as no character.
constexpr bool AltGrWritten(const KeyboardLayout& layout, int index) {
    return layout.AltGrChar[index] > kNoAltGr && layout.VirtualKey[index] != 0;
}

// The Shift+AltGr table follows the same rule as the AltGr one.
constexpr bool ShiftAltGrWritten(const KeyboardLayout& layout, int index) {
    return layout.ShiftAltGrChar[index] > kNoAltGr && layout.VirtualKey[index] != 0;
}

// The file finds a key's AltGr and Shift+AltGr characters, its dead keys and its Caps-Lock
// bit through its virtual-key code, so every key that shares a code gets those of the
// first key (in key order) with it.
inline constexpr std::uint8_t kNoKey = 0xFF;
using FirstKeyOfCode = std::array<std::uint8_t, 256>;

// For every code, the index of the first key that has it, or kNoKey.
constexpr FirstKeyOfCode FirstKeys(const KeyboardLayout& layout) {
    FirstKeyOfCode first{};
    first.fill(kNoKey);
    for (int i = kKeyCount - 1; i >= 0; --i) {
        first[layout.VirtualKey[i]] = static_cast<std::uint8_t>(i);
    }
    return first;
}

} // namespace kbd
