#include "excerpt.h"

#include <cstdint>

namespace kbd {
namespace {

// The length of the valid UTF-8 sequence at the start of `text`, 0 when there is none.
// Overlong forms and surrogates count as invalid, as terminals may read them otherwise.
std::size_t SequenceLength(std::string_view text, char32_t& codePoint) {
    const auto byte = [&](std::size_t i) {
        return static_cast<std::uint8_t>(text[i]);
    };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kSmallest[length] || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return 0;
    }
    return length;
}

bool IsControl(char32_t codePoint) {
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

void AppendHex(std::string& out, std::string_view bytes) {
    constexpr char kDigits[] = "0123456789abcdef";
    for (const char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        out += "\\x";
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
}

std::string Escape(std::string_view text, std::size_t limit) {
    std::string out;
    std::size_t characters = 0;
    while (!text.empty()) {
        if (characters == limit) {
            return out + "\u2026";
        }
        char32_t codePoint = 0;
        const std::size_t length = SequenceLength(text, codePoint);
        const std::size_t taken = length == 0 ? 1 : length;
        if (length == 0 || IsControl(codePoint)) {
            AppendHex(out, text.substr(0, taken));
        } else {
            out += text.substr(0, taken);
        }
        text.remove_prefix(taken);
        ++characters;
    }
    return out;
}

} // namespace

std::string Escaped(std::string_view text) {
    return Escape(text, std::string_view::npos);
}

std::string Excerpt(std::string_view text, std::size_t limit) {
    return Escape(text, limit);
}

} // namespace kbd
