#include "code_page.h"

#include <iconv.h>
#include <memory>

namespace cli {
namespace {

constexpr const char* kUndefined = "\uFFFD";

struct IconvCloser {
    void operator()(iconv_t cd) const { iconv_close(cd); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

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

// Converts one byte on its own. The state is reset first and flushed last, because
// some converters (CP1255, CP1258) hold a letter back to see if a mark follows.
std::optional<std::string> Convert(iconv_t cd, std::uint8_t code) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char in = static_cast<char>(code);
    char* inPtr = &in;
    std::size_t inLeft = 1;
    char out[32];
    char* outPtr = out;
    std::size_t outLeft = sizeof out;
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    return std::string(out, static_cast<std::size_t>(outPtr - out));
}

} // namespace

std::optional<CodePageText> CodePageText::Load(int number) {
    const std::string name = "CP" + std::to_string(number);
    Converter cd(iconv_open("UTF-8", name.c_str()));
    if (cd.get() == reinterpret_cast<iconv_t>(-1)) {
        cd.release();
        return std::nullopt;
    }
    CodePageText text;
    for (int code = 0; code < 256; ++code) {
        const auto converted = Convert(cd.get(), static_cast<std::uint8_t>(code));
        text.glyphs_[static_cast<std::size_t>(code)] =
            converted && !converted->empty() ? Visible(*converted) : kUndefined;
    }
    return text;
}

} // namespace cli
