#include "text_decoding.h"

#include "codepage/utf8.h"

namespace formats {
namespace {

std::string At(const char* what, std::size_t offset) {
    return std::string(what) + " at byte " + std::to_string(offset);
}

// `base` is where `bytes` start in the file, for the offsets in `why`.
std::optional<std::u32string> DecodeUtf16Le(std::span<const std::uint8_t> bytes, std::size_t base,
                                            std::string& why) {
    if (bytes.size() % 2 != 0) {
        why = "UTF-16 text of an odd number of bytes";
        return std::nullopt;
    }
    std::u32string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const char32_t unit = bytes[i] | static_cast<char32_t>(bytes[i + 1]) << 8;
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            why = At("a UTF-16 low surrogate without its high one", base + i);
            return std::nullopt;
        }
        if (unit < 0xD800 || unit > 0xDBFF) {
            text += unit;
            continue;
        }
        const char32_t low =
            i + 3 < bytes.size() ? bytes[i + 2] | static_cast<char32_t>(bytes[i + 3]) << 8 : 0;
        if (low < 0xDC00 || low > 0xDFFF) {
            why = At("a UTF-16 high surrogate without its low one", base + i);
            return std::nullopt;
        }
        text += 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
    }
    return text;
}

std::optional<std::u32string> DecodeUtf8(std::span<const std::uint8_t> bytes, std::size_t base,
                                         std::string& why) {
    std::u32string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto read = kbd::ReadUtf8(bytes.subspan(i));
        if (!read) {
            why = At("not UTF-8", base + i);
            return std::nullopt;
        }
        text += read->point;
        i += read->length;
    }
    return text;
}

} // namespace

bool HasUtf16LeMark(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
}

std::optional<std::u32string> DecodeText(std::span<const std::uint8_t> bytes, std::string& why) {
    if (HasUtf16LeMark(bytes)) {
        return DecodeUtf16Le(bytes.subspan(2), 2, why);
    }
    const bool marked =
        bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF;
    return DecodeUtf8(bytes.subspan(marked ? 3 : 0), marked ? 3 : 0, why);
}

} // namespace formats
