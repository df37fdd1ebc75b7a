#include "klc.h"

#include "codepage/utf8.h"
#include "layout/dead_keys.h"
#include "layout/format_rules.h"
#include "layout/kbd_format.h"
#include "layout/virtual_key_names.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <numeric>

namespace kbd::exports {
namespace {

std::string Hex(unsigned value, int digits) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%0*x", digits, value);
    return text.data();
}

std::string HexByte(std::uint8_t code) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "0x%02X", code);
    return text.data();
}

// "key 3", "keys 3 and 7", "keys 3, 7 and 9".
std::string KeyList(const std::vector<int>& keys) {
    std::string text = keys.size() == 1 ? "key " : "keys ";
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i > 0) {
            text += i + 1 == keys.size() ? " and " : ", ";
        }
        text += std::to_string(keys[i]);
    }
    return text;
}

// A character column: the byte's one code point in four hex digits, or -1 for none.
std::string CharColumn(const CodePage& page, std::uint8_t code) {
    const auto point = page.codePoint(code);
    return point ? Hex(static_cast<unsigned>(*point), 4) : "-1";
}

// The control character the KBD file's constant Ctrl list gives the virtual key.
std::string CtrlColumn(std::uint8_t virtualKey) {
    for (std::size_t i = 0; i < body::kSlot4VkeyBytes.size(); ++i) {
        if (body::kSlot4VkeyBytes[i] == virtualKey) {
            return Hex(body::kSlot4CharBytes[i], 4);
        }
    }
    return "-1";
}

// A key's scan code is its place, as in the XKB export: the built-in one, since no KBD
// file carries scan codes back. MSKLC marks a dead character with a trailing @.
std::string LayoutRow(const KeyboardLayout& layout, const CodePage& page, int index) {
    const auto cell = [&](bool written, std::uint8_t code, CharLayer layer) {
        if (!written) {
            return std::string("-1");
        }
        const std::string column = CharColumn(page, code);
        const bool dead = (layout.DeadLayers[index] >> static_cast<int>(layer) & 1) != 0;
        return dead && column != "-1" ? column + "@" : column;
    };
    return Hex(DefaultLayout().ScanCode[index], 2) + "\t" +
           std::string(TypewriterKeyName(layout.VirtualKey[index])) + "\t" +
           (layout.CapsAffected[index] != 0 ? "1" : "0") + "\t" +
           cell(layout.NormalChar[index] != 0, layout.NormalChar[index], CharLayer::Norm) + "\t" +
           cell(layout.ShiftChar[index] != 0, layout.ShiftChar[index], CharLayer::Shift) + "\t" +
           CtrlColumn(layout.VirtualKey[index]) + "\t" +
           cell(AltGrWritten(layout, index), layout.AltGrChar[index], CharLayer::AltGr) + "\t" +
           cell(ShiftAltGrWritten(layout, index), layout.ShiftAltGrChar[index],
                CharLayer::ShiftAltGr);
}

// A DEADKEY section for each dead character: its compositions, and the space giving the
// accent itself, as Windows 95's driver types a dead key before a space.
std::string DeadKeySections(const KeyboardLayout& layout, const CodePage& page) {
    std::string text;
    for (const std::uint8_t accent : DeadCharacters(layout)) {
        if (CharColumn(page, accent) == "-1") {
            continue;
        }
        text += "DEADKEY\t" + CharColumn(page, accent) + "\r\n\r\n";
        bool space = false;
        for (const Composition& pair : CompositionsOf(layout, accent)) {
            if (CharColumn(page, pair.base) == "-1" || CharColumn(page, pair.result) == "-1") {
                continue;
            }
            space |= pair.base == ' ';
            text += CharColumn(page, pair.base) + "\t" + CharColumn(page, pair.result) + "\r\n";
        }
        if (!space) {
            text += "0020\t" + CharColumn(page, accent) + "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

// The description as a .klc string may hold it: no quotes, no line breaks.
std::string Description(std::string_view name) {
    std::string text;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        text += c == '"' ? '\'' : (byte < 0x20 || byte == 0x7F) ? ' ' : c;
    }
    return text.empty() ? KlcShortName(name) : text;
}

// UTF-8 to UTF-16LE; a byte that starts no valid sequence reads as U+FFFD.
void AppendUtf16(std::string& out, std::string_view text) {
    const auto put = [&out](unsigned unit) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto read = ReadUtf8(text.substr(i));
        if (!read) {
            put(0xFFFD);
            ++i;
            continue;
        }
        if (read->point >= 0x10000) {
            put(0xD800 + ((read->point - 0x10000) >> 10));
            put(0xDC00 + ((read->point - 0x10000) & 0x3FF));
        } else {
            put(read->point);
        }
        i += read->length;
    }
}

} // namespace

std::vector<std::string> KlcRefusals(const KeyboardLayout& layout, const CodePage& page) {
    std::vector<std::string> refusals;
    std::map<std::uint8_t, std::vector<int>> keysOfCode;
    for (int index = 0; index < kKeyCount; ++index) {
        const std::uint8_t code = layout.VirtualKey[index];
        if (TypewriterKeyName(code).empty()) {
            refusals.push_back("key " + std::to_string(index + 1) + " has virtual-key code " +
                               HexByte(code) + ", which has no name in a .klc file");
        } else {
            keysOfCode[code].push_back(index + 1);
        }
    }
    for (const auto& [code, keys] : keysOfCode) {
        if (keys.size() > 1) {
            refusals.push_back(KeyList(keys) + " share virtual-key code " + HexByte(code));
        }
    }
    const auto lacks = [&](int index, int layer, std::uint8_t code) {
        if (!page.codePoint(code)) {
            refusals.push_back("key " + std::to_string(index + 1) + " " +
                               std::string(LayerName(layer)) + " " + HexByte(code) +
                               " is not a character of " + CodePageCaption(page.number()));
        }
    };
    for (int index = 0; index < kKeyCount; ++index) {
        if (layout.NormalChar[index] != 0) {
            lacks(index, LayerNorm, layout.NormalChar[index]);
        }
        if (layout.ShiftChar[index] != 0) {
            lacks(index, LayerShift, layout.ShiftChar[index]);
        }
        if (AltGrWritten(layout, index)) {
            lacks(index, LayerAltGr, layout.AltGrChar[index]);
        }
        if (ShiftAltGrWritten(layout, index)) {
            lacks(index, LayerShiftAltGr, layout.ShiftAltGrChar[index]);
        }
    }
    return refusals;
}

std::string KlcBytes(const KeyboardLayout& layout, const CodePage& page, std::string_view name,
                     const WindowsLocale& locale) {
    const std::string description = Description(name);
    std::vector<int> order(kKeyCount);
    std::iota(order.begin(), order.end(), 0);
    std::ranges::sort(order, {}, [](int index) { return DefaultLayout().ScanCode[index]; });
    std::string rows;
    bool spaceDone = false;
    for (const int index : order) {
        // MSKLC lists its rows by scan code; the space bar (0x39) has its place among them.
        if (!spaceDone && DefaultLayout().ScanCode[index] > 0x39) {
            rows += "39\tSPACE\t0\t0020\t0020\t0020\t-1\t-1\r\n";
            spaceDone = true;
        }
        rows += LayoutRow(layout, page, index) + "\r\n";
    }
    const std::string text =
        "KBD\t" + KlcShortName(name) + "\t\"" + description + "\"\r\n\r\n" +
        "COPYRIGHT\t\"(c) the author of this layout\"\r\n\r\n"
        "COMPANY\t\"Made with Tavik's Keyboard Generator for Windows 95\"\r\n\r\n"
        "LOCALENAME\t\"" +
        std::string(locale.name) + "\"\r\n\r\n" + "LOCALEID\t\"" + LocaleIdText(locale.id) +
        "\"\r\n\r\n" +
        "VERSION\t1.0\r\n\r\n"
        "SHIFTSTATE\r\n\r\n"
        "0\t// Norm\r\n"
        "1\t// Shift\r\n"
        "2\t// Ctrl\r\n"
        "6\t// AltGr (Ctrl Alt)\r\n"
        "7\t// Shift AltGr\r\n\r\n"
        "LAYOUT\r\n\r\n"
        "//SC\tVK_\tCap\t0\t1\t2\t6\t7\r\n"
        "//--\t----\t----\t----\t----\t----\t----\t----\r\n\r\n" +
        rows + "\r\n" + DeadKeySections(layout, page) +
        "DESCRIPTIONS\r\n\r\n"
        "0409\t" +
        description +
        "\r\n\r\n"
        "LANGUAGENAMES\r\n\r\n"
        "0409\t" +
        std::string(locale.language) + "\r\n\r\n" + "ENDKBD\r\n";
    std::string bytes = "\xFF\xFE";
    AppendUtf16(bytes, text);
    return bytes;
}

Status ExportKlc(const KeyboardLayout& layout, const CodePage& page, std::string_view name,
                 const std::string& path, const WindowsLocale& locale) {
    // DESCRIPTIONS holds the name unquoted, and MSKLC reads "//" there as the start of a
    // comment: the layout would lose the rest of its name.
    if (name.find("//") != std::string_view::npos) {
        return Error{ErrorKind::NotExportable, path,
                     "the name holds \"//\", which MSKLC reads as the start of a comment"};
    }
    std::string description;
    AppendUtf16(description, Description(name));
    if (const std::size_t units = description.size() / 2; units > kMaxKlcDescription) {
        return Error{ErrorKind::NotExportable, path,
                     "the name is " + std::to_string(units) +
                         " characters long; a .klc description holds at most " +
                         std::to_string(kMaxKlcDescription)};
    }
    const std::vector<std::string> refusals = KlcRefusals(layout, page);
    if (refusals.empty()) {
        return WriteWhole(path, KlcBytes(layout, page, name, locale));
    }
    std::string reason = "the layout cannot become a .klc file: ";
    for (std::size_t i = 0; i < refusals.size(); ++i) {
        reason += (i == 0 ? "" : "; ") + refusals[i];
    }
    return Error{ErrorKind::NotExportable, path, reason};
}

} // namespace kbd::exports
