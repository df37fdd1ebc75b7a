// UTF-8, read and written in one place: the code pages' texts, the keyboard sources'
// decoding and the escaping of messages all take a sequence to be what this says.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kbd {

struct Utf8Read {
    char32_t point;
    std::size_t length; // bytes taken, 1 to 4
};

// The code point at the start of `bytes`; nothing when they start with no valid sequence:
// a stray or cut-short byte, an overlong form, a surrogate or a point above U+10FFFF
// (terminals and readers may take those otherwise than we do).
std::optional<Utf8Read> ReadUtf8(std::span<const std::uint8_t> bytes);
std::optional<Utf8Read> ReadUtf8(std::string_view text);

// UTF-8 of one code point.
std::string Utf8(char32_t point);

} // namespace kbd
