#include "xkb_symbols.h"

#include "layout/format_rules.h"
#include "layout/key_places.h"

#include <array>
#include <cstdio>
#include <xkbcommon/xkbcommon.h>

namespace kbd::exports {
namespace {

// A level that types nothing. NoSymbol would leave the level to whatever was merged
// before this file: the pc symbols give <LSGT> and <KPDL> characters of their own.
constexpr xkb_keysym_t kNothing = XKB_KEY_VoidSymbol;

// A byte as a keysym: its one character, or nothing where the code page has none or a
// control code, which no typewriter key should type on a modern desktop.
xkb_keysym_t Keysym(const CodePage& page, std::uint8_t code) {
    const auto point = page.codePoint(code);
    const xkb_keysym_t keysym = point && *point >= 0x20 ? xkb_utf32_to_keysym(*point) : 0;
    return keysym == XKB_KEY_NoSymbol ? kNothing : keysym;
}

std::string KeysymName(xkb_keysym_t keysym) {
    std::array<char, 64> name{};
    if (xkb_keysym_get_name(keysym, name.data(), name.size()) < 0) {
        return "NoSymbol";
    }
    return name.data();
}

struct KeyLine {
    const char* type;
    std::array<xkb_keysym_t, 5> levels;
    int count;
};

// Both types consume Lock, so libxkbcommon never capitalises a level on its own, and
// both map it as Windows 95 does: on a key with the Caps-Lock flag it flips Shift in every
// state, AltGr ones included; on any other key it leads to level 5, a copy of Norm, and
// changes nothing. An empty level types nothing, as AltGr does in Windows on a key
// without an AltGr character.
KeyLine ChooseLine(const KeyboardLayout& layout, const CodePage& page, int index) {
    const xkb_keysym_t norm = Keysym(page, layout.NormalChar[index]);
    if (index == kDecimalKey) {
        return {"KEYPAD", {XKB_KEY_KP_Delete, norm}, 2};
    }
    const xkb_keysym_t shift = Keysym(page, layout.ShiftChar[index]);
    const xkb_keysym_t altGr =
        AltGrWritten(layout, index) ? Keysym(page, layout.AltGrChar[index]) : kNothing;
    const xkb_keysym_t shiftAltGr =
        ShiftAltGrWritten(layout, index) ? Keysym(page, layout.ShiftAltGrChar[index]) : kNothing;
    if (layout.CapsAffected[index] != 0) {
        return {"FOUR_LEVEL_ALPHABETIC", {norm, shift, altGr, shiftAltGr}, 4};
    }
    return {"FOUR_LEVEL_PLUS_LOCK", {norm, shift, altGr, shiftAltGr, norm}, 5};
}

// XKB strings take octal escapes; a quote or backslash in the name must not end or
// bend the string, and control codes have no place in a layout's name.
std::string QuotedName(std::string_view name) {
    std::string quoted = "\"";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\' || byte < 0x20 || byte == 0x7F) {
            std::array<char, 8> escape{};
            std::snprintf(escape.data(), escape.size(), "\\%03o", byte);
            quoted += escape.data();
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

} // namespace

std::string XkbSymbolsText(const KeyboardLayout& layout, const CodePage& page,
                           std::string_view name) {
    std::string text = "// Made by Tavik's Keyboard Generator for Windows 95 from a Windows 95 "
                       "layout,\n// characters read in " +
                       CodePageCaption(page.number()) +
                       ".\n\n"
                       "default partial alphanumeric_keys keypad_keys\n"
                       "xkb_symbols \"basic\" {\n"
                       "    name[Group1] = " +
                       QuotedName(name) + ";\n\n";
    for (int index = 0; index < kKeyCount; ++index) {
        const KeyLine line = ChooseLine(layout, page, index);
        text += "    key <";
        text += kKeyPlaces[static_cast<std::size_t>(index)].xkbName;
        text += "> { type[Group1] = \"";
        text += line.type;
        text += "\", [ ";
        for (int level = 0; level < line.count; ++level) {
            text += (level == 0 ? "" : ", ") + KeysymName(line.levels[level]);
        }
        text += " ] };\n";
    }
    text += "\n    include \"level3(ralt_switch)\"\n};\n";
    return text;
}

ExportFailure ExportXkbSymbols(const KeyboardLayout& layout, const CodePage& page,
                               std::string_view name, const std::string& path) {
    if (name.size() > kMaxXkbNameBytes) {
        return path + ": the name is " + std::to_string(name.size()) +
               " bytes long; libxkbcommon reads a layout name of at most " +
               std::to_string(kMaxXkbNameBytes) + " bytes";
    }
    return WriteWhole(path, XkbSymbolsText(layout, page, name));
}

} // namespace kbd::exports
