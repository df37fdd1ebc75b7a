// What Windows 95 types with a layout: which of the 49 keys a physical key is, and which
// byte a key gives under the modifiers held.
#pragma once

#include "keyboard_layout.h"

#include <cstdint>
#include <optional>

namespace kbd {

inline constexpr std::uint32_t kNativeCapsLock = 58 + kNativeScanOffset;
inline constexpr std::uint32_t kNativeRightAlt = 100 + kNativeScanOffset;

// The key index (0..48) of the first key whose scan code the physical key sends; nothing
// for a key the layout has not got.
std::optional<int> KeyForNativeScanCode(const KeyboardLayout& layout, std::uint32_t native);

struct Modifiers {
    bool shift = false;
    bool altGr = false;
    bool capsLock = false;
};

// The character table Windows reads a key press from.
enum class TypedLayer { Norm, Shift, AltGr, ShiftAltGr };

struct Typed {
    TypedLayer layer = TypedLayer::Norm;
    std::optional<std::uint8_t> byte; // nothing: the press types no character
};

// The press of key `keyIndex` as Windows 95 reads this file's tables. Windows finds a
// key's characters through its virtual-key code, so a key whose code an earlier key has
// types that earlier key's characters, and a key with code 0 types nothing. Caps Lock
// leaves the AltGr and Shift+AltGr tables alone.
Typed TypeKey(const KeyboardLayout& layout, int keyIndex, Modifiers modifiers);

// `layout` as Windows reads it back from the file the editor would save now.
KeyboardLayout ReadBack(const KeyboardLayout& layout);

} // namespace kbd
