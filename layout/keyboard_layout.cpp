#include "keyboard_layout.h"

namespace kbd {
namespace {

// One row per key in index order, beside the scan code and US virtual key of its place.
// AltGr 0x20 means "none".
struct DefaultKey {
    std::uint8_t normal, shift, ansi, altgr, caps;
};

constexpr std::array<DefaultKey, kKeyCount> kDefaultKeys = {{
    {0x60, 0x7E, 0x60, 0x20, 0}, // grave accent
    {0x31, 0x21, 0x31, 0x7E, 0}, // 1
    {0x32, 0x40, 0x32, 0xA1, 0}, // 2
    {0x33, 0x23, 0x33, 0x5E, 0}, // 3
    {0x34, 0x24, 0x34, 0xA2, 0}, // 4
    {0x35, 0x25, 0x35, 0xB0, 0}, // 5
    {0x36, 0x5E, 0x36, 0xB2, 0}, // 6
    {0x37, 0x26, 0x37, 0x60, 0}, // 7
    {0x38, 0x2A, 0x38, 0xFF, 0}, // 8
    {0x39, 0x28, 0x39, 0xB4, 0}, // 9
    {0x30, 0x29, 0x30, 0xBD, 0}, // 0
    {0x2D, 0x5F, 0x2D, 0xA8, 0}, // minus
    {0x3D, 0x2B, 0x3D, 0xB8, 0}, // equals
    {0x71, 0x51, 0x51, 0x5C, 1}, // Q
    {0x77, 0x57, 0x57, 0x7C, 1}, // W
    {0x65, 0x45, 0x45, 0x20, 1}, // E
    {0x72, 0x52, 0x52, 0x20, 1}, // R
    {0x74, 0x54, 0x54, 0x20, 1}, // T
    {0x79, 0x59, 0x59, 0x20, 1}, // Y
    {0x75, 0x55, 0x55, 0x20, 1}, // U
    {0x69, 0x49, 0x49, 0x20, 1}, // I
    {0x6F, 0x4F, 0x4F, 0x20, 1}, // O
    {0x70, 0x50, 0x50, 0x20, 1}, // P
    {0x5B, 0x7B, 0x5B, 0xF7, 0}, // left bracket
    {0x5D, 0x7D, 0x5D, 0x27, 0}, // right bracket
    {0x5C, 0x7C, 0x5C, 0xA4, 0}, // backslash
    {0x61, 0x41, 0x41, 0x20, 1}, // A
    {0x73, 0x53, 0x53, 0x20, 1}, // S
    {0x64, 0x44, 0x44, 0x20, 1}, // D
    {0x66, 0x46, 0x46, 0x5B, 1}, // F
    {0x67, 0x47, 0x47, 0x5D, 1}, // G
    {0x68, 0x48, 0x48, 0x20, 1}, // H
    {0x6A, 0x4A, 0x4A, 0x20, 1}, // J
    {0x6B, 0x4B, 0x4B, 0xB3, 1}, // K
    {0x6C, 0x4C, 0x4C, 0xA3, 1}, // L
    {0x3B, 0x3A, 0x3B, 0x20, 0}, // semicolon
    {0x27, 0x22, 0x27, 0x22, 0}, // apostrophe
    {0x7A, 0x5A, 0x5A, 0x20, 1}, // Z
    {0x78, 0x58, 0x58, 0x20, 1}, // X
    {0x63, 0x43, 0x43, 0x20, 1}, // C
    {0x76, 0x56, 0x56, 0x40, 1}, // V
    {0x62, 0x42, 0x42, 0x7B, 1}, // B
    {0x6E, 0x4E, 0x4E, 0x7D, 1}, // N
    {0x6D, 0x4D, 0x4D, 0xA7, 1}, // M
    {0x2C, 0x3C, 0x2C, 0x3C, 0}, // comma
    {0x2E, 0x3E, 0x2E, 0x3E, 0}, // period
    {0x2F, 0x3F, 0x2F, 0x20, 0}, // slash
    {0x3C, 0x3E, 0x3C, 0x20, 0}, // extra key beside the left Shift key
    {0x2C, 0x2C, 0x2C, 0x20, 0}, // numeric-pad decimal key
}};

constexpr KeyboardLayout MakeDefaultLayout() {
    KeyboardLayout layout;
    for (int i = 0; i < kKeyCount; ++i) {
        const DefaultKey& key = kDefaultKeys[i];
        layout.ScanCode[i] = kKeyPlaces[i].scanCode;
        layout.VirtualKey[i] = kKeyPlaces[i].usVirtualKey;
        layout.NormalChar[i] = key.normal;
        layout.ShiftChar[i] = key.shift;
        layout.AnsiChar[i] = key.ansi;
        layout.AltGrChar[i] = key.altgr;
        layout.CapsAffected[i] = key.caps;
    }
    return layout;
}

constexpr KeyboardLayout kDefaultLayout = MakeDefaultLayout();

// The field that a layer mode names, or null for a mode outside 1..4.
template <class Layout> auto* LayerField(Layout& layout, int mode) {
    switch (mode) {
    case LayerShift:
        return &layout.ShiftChar;
    case LayerNorm:
        return &layout.NormalChar;
    case LayerAltGr:
        return &layout.AltGrChar;
    case LayerAnsi:
        return &layout.AnsiChar;
    case LayerShiftAltGr:
        return &layout.ShiftAltGrChar;
    default:
        return static_cast<decltype(&layout.ShiftChar)>(nullptr);
    }
}

bool ValidIndex(int index) {
    return index >= 0 && index < kKeyCount;
}

// Constant-initialised, so it holds the defaults before any code runs.
constinit KeyboardLayout gProgramLayout = kDefaultLayout;

} // namespace

const KeyboardLayout& DefaultLayout() {
    return kDefaultLayout;
}

void ResetLayoutDefaults(KeyboardLayout& layout) {
    layout = kDefaultLayout;
}

std::optional<std::uint8_t> LayerChar(const KeyboardLayout& layout, int mode, int index) {
    const auto* field = LayerField(layout, mode);
    if (field == nullptr || !ValidIndex(index)) {
        return std::nullopt;
    }
    return (*field)[index];
}

void SetLayerChar(KeyboardLayout& layout, int mode, int index, std::uint8_t code) {
    auto* field = LayerField(layout, mode);
    if (field != nullptr && ValidIndex(index)) {
        (*field)[index] = code;
    }
}

std::optional<CharLayer> CharLayerOf(int mode) {
    switch (mode) {
    case LayerNorm:
        return CharLayer::Norm;
    case LayerShift:
        return CharLayer::Shift;
    case LayerAltGr:
        return CharLayer::AltGr;
    case LayerShiftAltGr:
        return CharLayer::ShiftAltGr;
    default:
        return std::nullopt;
    }
}

std::string_view LayerName(int layer) {
    switch (layer) {
    case LayerShift:
        return "Shift";
    case LayerNorm:
        return "Norm";
    case LayerAltGr:
        return "AltGr";
    case LayerAnsi:
        return "ANSI";
    case LayerShiftAltGr:
        return "Shift+AltGr";
    default:
        return "";
    }
}

KeyboardLayout& ProgramLayout() {
    return gProgramLayout;
}

} // namespace kbd
