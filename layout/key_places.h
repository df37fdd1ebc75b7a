// What the program knows of each of the 49 keys by its place: where it stands on the
// picture of the typewriter block, the scan code the PC keyboard sends from there, the
// virtual key Windows' US layout gives it and its XKB name. The main window, the printable
// picture, the built-in layout, the driver model, the imports and the exports all read
// this one table, so they always speak of one keyboard.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kbd {

inline constexpr int kKeyCount = 49;

// Key index 48 (key 49), the numeric-pad decimal key: its character sits on the Num Lock
// level, and a file's virtual-key code that no key has lands on it.
inline constexpr int kDecimalKey = kKeyCount - 1;

// The AltGr byte of a key without an AltGr character: the file writes none for 32 or less.
inline constexpr std::uint8_t kNoAltGr = 0x20;

// X11, Wayland and xkbcommon number a key by its evdev code plus 8, the offset X11 always
// had; for the keys of the typewriter block the evdev code is the scan code.
inline constexpr std::uint32_t kNativeScanOffset = 8;

inline constexpr int kKeySide = 25; // every key is a square, in pixels

struct KeyPlace {
    int left; // pixels of the main window's client area (96 dpi)
    int top;
    const char* storedCaption; // identifies the key until the first ShowLayer
    std::uint8_t scanCode;
    std::uint8_t usVirtualKey;
    std::string_view xkbName;
};

// Indexed by key index (key number - 1).
inline constexpr std::array<KeyPlace, kKeyCount> kKeyPlaces{{
    {16, 24, "'", 0x29, 0xC0, "TLDE"},   // grave accent
    {48, 24, "1", 0x02, 0x31, "AE01"},   // 1
    {80, 24, "2", 0x03, 0x32, "AE02"},   // 2
    {112, 24, "3", 0x04, 0x33, "AE03"},  // 3
    {144, 24, "4", 0x05, 0x34, "AE04"},  // 4
    {176, 24, "5", 0x06, 0x35, "AE05"},  // 5
    {208, 24, "6", 0x07, 0x36, "AE06"},  // 6
    {240, 24, "7", 0x08, 0x37, "AE07"},  // 7
    {272, 24, "8", 0x09, 0x38, "AE08"},  // 8
    {304, 24, "9", 0x0A, 0x39, "AE09"},  // 9
    {336, 24, "0", 0x0B, 0x30, "AE10"},  // 0
    {368, 24, "-", 0x0C, 0xBD, "AE11"},  // minus
    {400, 24, "=", 0x0D, 0xBB, "AE12"},  // equals
    {32, 56, "Q", 0x10, 0x51, "AD01"},   // Q
    {64, 56, "W", 0x11, 0x57, "AD02"},   // W
    {96, 56, "E", 0x12, 0x45, "AD03"},   // E
    {128, 56, "R", 0x13, 0x52, "AD04"},  // R
    {160, 56, "T", 0x14, 0x54, "AD05"},  // T
    {192, 56, "Y", 0x15, 0x59, "AD06"},  // Y
    {224, 56, "U", 0x16, 0x55, "AD07"},  // U
    {256, 56, "I", 0x17, 0x49, "AD08"},  // I
    {288, 56, "O", 0x18, 0x4F, "AD09"},  // O
    {320, 56, "P", 0x19, 0x50, "AD10"},  // P
    {352, 56, "[", 0x1A, 0xDB, "AD11"},  // left bracket
    {384, 56, "]", 0x1B, 0xDD, "AD12"},  // right bracket
    {432, 24, "\\", 0x2B, 0xDC, "BKSL"}, // backslash
    {48, 88, "A", 0x1E, 0x41, "AC01"},   // A
    {80, 88, "S", 0x1F, 0x53, "AC02"},   // S
    {112, 88, "D", 0x20, 0x44, "AC03"},  // D
    {144, 88, "F", 0x21, 0x46, "AC04"},  // F
    {176, 88, "G", 0x22, 0x47, "AC05"},  // G
    {208, 88, "H", 0x23, 0x48, "AC06"},  // H
    {240, 88, "J", 0x24, 0x4A, "AC07"},  // J
    {272, 88, "K", 0x25, 0x4B, "AC08"},  // K
    {304, 88, "L", 0x26, 0x4C, "AC09"},  // L
    {336, 88, ";", 0x27, 0xBA, "AC10"},  // semicolon
    {368, 88, "'", 0x28, 0xDE, "AC11"},  // apostrophe
    {64, 120, "Z", 0x2C, 0x5A, "AB01"},  // Z
    {96, 120, "X", 0x2D, 0x58, "AB02"},  // X
    {128, 120, "C", 0x2E, 0x43, "AB03"}, // C
    {160, 120, "V", 0x2F, 0x56, "AB04"}, // V
    {192, 120, "B", 0x30, 0x42, "AB05"}, // B
    {224, 120, "N", 0x31, 0x4E, "AB06"}, // N
    {256, 120, "M", 0x32, 0x4D, "AB07"}, // M
    {288, 120, ",", 0x33, 0xBC, "AB08"}, // comma
    {320, 120, ".", 0x34, 0xBE, "AB09"}, // period
    {352, 120, "/", 0x35, 0xBF, "AB10"}, // slash
    {32, 120, ">", 0x56, 0xE2, "LSGT"},  // extra key beside the left Shift key
    {416, 120, ".", 0x53, 0x6E, "KPDL"}, // numeric-pad decimal key, as Num Lock on at start
}};

// The key index of the place that sends `scanCode`; nothing for a key off the block.
constexpr std::optional<int> KeyOfScanCode(unsigned scanCode) {
    for (int i = 0; i < kKeyCount; ++i) {
        if (kKeyPlaces[i].scanCode == scanCode) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace kbd
