#include "code_page.h"

#include "layout/code_page.h"

namespace cli {
namespace {

constexpr const char* kUndefined = "\uFFFD";

// The single code point that `utf8` spells, or nothing when it spells several (a code
// page may decompose a byte into a letter and a combining mark).
std::optional<char32_t> SoleCodePoint(const std::string& utf8) {
    if (utf8.empty()) {
        return std::nullopt;
    }
    const auto lead = static_cast<unsigned char>(utf8[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (utf8.size() != length) {
        return std::nullopt;
    }
    char32_t point = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (std::size_t i = 1; i < length; ++i) {
        point = (point << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
    }
    return point;
}

std::string Utf8(char32_t point) {
    std::string out;
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (point >> 12));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
    return out;
}

std::string Visible(const std::string& utf8) {
    const std::optional<char32_t> point = SoleCodePoint(utf8);
    if (!point) {
        return utf8;
    }
    if (*point <= 0x20) {
        // The space too: a blank cell would read as "nothing here".
        return Utf8(0x2400 + *point);
    }
    if (*point == 0x7F) {
        return Utf8(0x2421);
    }
    if (*point >= 0x80 && *point < 0xA0) {
        return kUndefined; // C1 controls have no picture of their own
    }
    if (*point >= 0x300 && *point < 0x370) {
        return "\u25CC" + utf8;
    }
    return utf8;
}

} // namespace

std::optional<CodePageText> CodePageText::Load(int number) {
    const std::optional<kbd::CodePageBytes> bytes = kbd::DecodeCodePage(number);
    if (!bytes) {
        return std::nullopt;
    }
    CodePageText text;
    for (std::size_t code = 0; code < 256; ++code) {
        const std::string& converted = (*bytes)[code];
        text.glyphs_[code] = converted.empty() ? kUndefined : Visible(converted);
    }
    return text;
}

} // namespace cli
