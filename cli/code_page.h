// How each byte of an 8-bit Windows code page reads, as UTF-8 for a terminal.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace cli {

class CodePageText {
public:
    // Every byte converted through iconv from "CP<number>"; nothing when iconv does
    // not know that code page.
    static std::optional<CodePageText> Load(int number);

    // Always one visible glyph, so that table columns line up: control codes show as
    // their Control Pictures, a combining mark sits on a dotted circle, and a byte the
    // code page leaves undefined shows the replacement character.
    const std::string& glyph(std::uint8_t code) const { return glyphs_[code]; }

private:
    std::array<std::string, 256> glyphs_;
};

} // namespace cli
