#include "xkb_symbols.h"

#include "driver/to_ascii.h"
#include "layout/key_places.h"
#include "layout/writer.h"
#include "system_layouts/keysym_character.h"

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

// What Windows 95 types on a key in its four states with Caps Lock off, and whether Caps
// Lock acts on it, read through the model of its driver from the file a save writes: a
// key whose code the driver ignores, keys sharing a code, and the driver's own tables all
// come out as they will there. 0 where it types nothing, or several characters.
struct KeyBytes4 {
    std::array<std::uint8_t, 4> bytes{};
    std::array<bool, 4> dead{}; // the press waits for the next, as a dead key
    bool caps = false;
};

KeyBytes4 WindowsKey(const driver::LoadedKeyboard& keyboard, int index) {
    KeyBytes4 key;
    const driver::Modifiers states[] = {driver::kNorm, driver::kShift, driver::kAltGr,
                                        driver::kShiftAltGr};
    for (std::size_t state = 0; state < 4; ++state) {
        driver::Keyboard typing(keyboard);
        const driver::Typed typed = typing.pressKey(index, states[state]);
        key.bytes[state] = typed.bytes.size() == 1 ? typed.bytes.front() : 0;
        key.dead[state] = typed.deadWaiting();
    }
    key.caps = driver::CapsLockActsOn(
        keyboard, driver::VirtualKeyOfScanCode(keyboard, driver::ScanCodeOfKey(index)));
    return key;
}

// The types map Caps Lock as Windows does: on a key it acts on, it flips Shift in every
// state (FOUR_LEVEL_ALPHABETIC); on any other, it changes nothing (FOUR_LEVEL_PLUS_LOCK,
// whose Lock level repeats Norm).
KeyLine ChooseLine(const KeyBytes4& key, const CodePage& page, int index) {
    std::array<xkb_keysym_t, 4> typed{};
    for (std::size_t state = 0; state < 4; ++state) {
        typed[state] = key.bytes[state] == 0 ? kNothing : Keysym(page, key.bytes[state]);
        // The desktop composes a dead keysym with its own Compose table.
        const auto point = page.codePoint(key.bytes[state]);
        if (key.dead[state] && point) {
            typed[state] = DeadKeysymOf(*point).value_or(typed[state]);
        }
    }
    const auto [norm, shift, altGr, shiftAltGr] = typed;
    if (index == kDecimalKey) {
        return {"KEYPAD", {XKB_KEY_KP_Delete, norm}, 2};
    }
    if (key.caps) {
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
    const std::vector<std::uint8_t> file = BuildKbdFile(layout);
    const auto keyboard = driver::LoadKeyboard(file);
    for (int index = 0; index < kKeyCount; ++index) {
        // A file the writer made always loads; should it not, every level is left empty
        // rather than guessed.
        const KeyLine line = ChooseLine(
            keyboard.ok() ? WindowsKey(keyboard.value(), index) : KeyBytes4{}, page, index);
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

Status ExportXkbSymbols(const KeyboardLayout& layout, const CodePage& page, std::string_view name,
                        const std::string& path) {
    if (name.size() > kMaxXkbNameBytes) {
        return Error{ErrorKind::NotExportable, path,
                     "the name is " + std::to_string(name.size()) +
                         " bytes long; libxkbcommon reads a layout name of at most " +
                         std::to_string(kMaxXkbNameBytes) + " bytes"};
    }
    return WriteWhole(path, XkbSymbolsText(layout, page, name));
}

} // namespace kbd::exports
