#include "layout_registry.h"

#include <array>
#include <cstdio>

namespace kbd::diskimage {
namespace {

// FNV-1a: the same name always gives the same key, so a second .REG of one layout
// updates its entry instead of adding another.
std::uint16_t VariantWord(std::string_view kbdName) {
    std::uint32_t hash = 2166136261u;
    for (const char c : kbdName) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    // A000..AFFF: away from the small variant numbers Windows' own layouts use.
    return static_cast<std::uint16_t>(0xA000 | (hash & 0x0FFF));
}

std::string Hex4(std::uint16_t word) {
    std::array<char, 5> text{};
    std::snprintf(text.data(), text.size(), "%04X", word);
    return text.data();
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

} // namespace

std::string LayoutKeyName(std::string_view kbdName, std::uint16_t language) {
    return Hex4(VariantWord(kbdName)) + Hex4(language);
}

std::optional<std::string> LayoutTextProblem(std::string_view text) {
    if (text.empty()) {
        return "the layout text is empty";
    }
    for (const char c : text) {
        if (c < 0x20 || c > 0x7E) {
            return "the layout text may hold only printable ASCII characters";
        }
    }
    return std::nullopt;
}

std::string LayoutRegistryFile(std::string_view kbdName, std::string_view text,
                               std::uint16_t language) {
    const std::string lines[] = {
        "REGEDIT4",
        "",
        "[" + std::string(kLayoutsKey) + "\\" + LayoutKeyName(kbdName, language) + "]",
        "\"layout file\"=" + Quoted(kbdName),
        "\"layout text\"=" + Quoted(text),
        "\"layout id\"=" + Quoted(Hex4(VariantWord(kbdName))),
        "",
    };
    std::string file;
    for (const std::string& line : lines) {
        file += line + "\r\n";
    }
    return file;
}

std::uint16_t KbdLanguage(std::span<const std::uint8_t> kbd) {
    if (kbd.size() < 4) {
        return 0x0409;
    }
    return static_cast<std::uint16_t>(kbd[2] | kbd[3] << 8);
}

} // namespace kbd::diskimage
