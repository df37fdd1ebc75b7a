// The keyboard layout being edited: 49 keys of the typewriter block, each with
// a scan code, a virtual-key code, four layer characters and a Caps-Lock flag.
#pragma once

#include "key_places.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kbd {

using KeyBytes = std::array<std::uint8_t, kKeyCount>;

// The four character tables a press reads, and so the layers a character can be dead in.
enum class CharLayer : std::uint8_t { Norm, Shift, AltGr, ShiftAltGr };
inline constexpr int kCharLayerCount = 4;

// A dead character followed by `base` types `result` instead of both.
struct Composition {
    std::uint8_t dead = 0;
    std::uint8_t base = 0;
    std::uint8_t result = 0;

    friend auto operator<=>(const Composition&, const Composition&) = default;
};

// Seven parallel arrays indexed by key index 0..48 (key number - 1), and beside them what
// only an extended file carries: a Shift+AltGr layer and dead keys.
struct KeyboardLayout {
    KeyBytes ScanCode{};
    KeyBytes VirtualKey{};
    KeyBytes NormalChar{};
    KeyBytes ShiftChar{};
    KeyBytes AltGrChar{}; // 32 or less: the key has no AltGr character when written
    KeyBytes AnsiChar{};
    KeyBytes CapsAffected{}; // any non-zero value counts as set when written

    KeyBytes ShiftAltGrChar{}; // as AltGrChar: 32 or less is no character
    KeyBytes DeadLayers{};     // bit (1 << CharLayer) set: that layer's character is dead
    std::vector<Composition> Compositions; // sorted, at most one per dead and base byte

    friend bool operator==(const KeyboardLayout&, const KeyboardLayout&) = default;
};

// The editable character field a window works on.
enum LayerMode : int {
    LayerShift = 1,
    LayerNorm = 2,
    LayerAltGr = 3,
    LayerAnsi = 4,
    // Beside the four the main window shows: the character of Shift+AltGr.
    LayerShiftAltGr = 5,
};

// "Shift", "Norm", "AltGr", "ANSI", "Shift+AltGr": what every message, listing and picture calls
// the layer; empty for 0 and anything else.
std::string_view LayerName(int layer);

// The character layer a layer mode edits; nothing for ANSI and anything else.
std::optional<CharLayer> CharLayerOf(int mode);

// The built-in layout the program starts with.
const KeyboardLayout& DefaultLayout();

// Copies the built-in table into all seven arrays.
void ResetLayoutDefaults(KeyboardLayout& layout);

// The character of key `index` in the layer `mode`; nothing for a mode outside 1..5
// or an index outside 0..48.
std::optional<std::uint8_t> LayerChar(const KeyboardLayout& layout, int mode, int index);

// Stores `code` in the layer `mode` of key `index`; a mode outside 1..5 stores nothing.
void SetLayerChar(KeyboardLayout& layout, int mode, int index, std::uint8_t code);

// The one layout the editor holds for its whole run; it holds the defaults before
// any window exists.
KeyboardLayout& ProgramLayout();

} // namespace kbd
