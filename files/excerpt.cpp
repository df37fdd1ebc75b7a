#include "excerpt.h"

#include "codepage/utf8.h"

#include <cstdint>

namespace kbd {
namespace {

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
        // A byte that starts no valid sequence is shown in hex, as a control is.
        const auto read = ReadUtf8(text);
        const std::size_t taken = read ? read->length : 1;
        if (!read || IsControl(read->point)) {
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
