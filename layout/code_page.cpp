#include "code_page.h"

#include <cstdint>
#include <iconv.h>
#include <memory>
#include <type_traits>

namespace kbd {
namespace {

struct IconvCloser {
    void operator()(iconv_t cd) const { iconv_close(cd); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// Converts one byte on its own. The state is reset first and flushed last, because
// some converters (CP1255, CP1258) hold a letter back to see if a mark follows.
std::string Convert(iconv_t cd, std::uint8_t code) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char in = static_cast<char>(code);
    char* inPtr = &in;
    std::size_t inLeft = 1;
    char out[32];
    char* outPtr = out;
    std::size_t outLeft = sizeof out;
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        return {};
    }
    return std::string(out, static_cast<std::size_t>(outPtr - out));
}

} // namespace

std::optional<CodePageBytes> DecodeCodePage(int number) {
    const std::string name = "CP" + std::to_string(number);
    const iconv_t handle = iconv_open("UTF-8", name.c_str());
    if (handle == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    const Converter cd(handle);
    CodePageBytes bytes;
    for (int code = 0; code < 256; ++code) {
        bytes[static_cast<std::size_t>(code)] = Convert(cd.get(), static_cast<std::uint8_t>(code));
    }
    return bytes;
}

} // namespace kbd
