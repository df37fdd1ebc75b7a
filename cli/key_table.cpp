#include "key_table.h"

#include <cstdio>

namespace cli {
namespace {

std::string Hex(std::uint8_t code) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", code);
    return digits;
}

// Hex first, glyph last: every glyph is one column wide, or none for byte 0, which
// takes a space instead, so the columns stay aligned whatever the code page.
std::string CharCell(std::uint8_t code, const kbd::CodePage& page) {
    const std::string& shown = page.shown(code);
    return Hex(code) + " " + (shown.empty() ? " " : shown) + "    ";
}

} // namespace

std::string KeyTable(const kbd::KeyboardLayout& layout, const kbd::CodePage& page) {
    std::string table = "Key  Scan  VK  Norm    Shift   AltGr   ANSI    Caps\n";
    for (std::size_t i = 0; i < kbd::kKeyCount; ++i) {
        char number[8];
        std::snprintf(number, sizeof number, "%3zu", i + 1);
        table += std::string(number) + "  " + Hex(layout.ScanCode[i]) + "    " +
                 Hex(layout.VirtualKey[i]) + "  " + CharCell(layout.NormalChar[i], page) +
                 CharCell(layout.ShiftChar[i], page) + CharCell(layout.AltGrChar[i], page) +
                 CharCell(layout.AnsiChar[i], page) + (layout.CapsAffected[i] != 0 ? "yes" : "no") +
                 "\n";
    }
    return table;
}

} // namespace cli
