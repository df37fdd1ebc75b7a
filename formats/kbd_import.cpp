#include "kbd_import.h"

#include "language_code_page.h"
#include "layout/reader.h"

namespace formats {

bool LooksLikeWindowsKbd(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 2 && bytes[0] == 'D' && bytes[1] == 'S';
}

std::optional<int> WindowsKbdCodePage(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 4) {
        return std::nullopt;
    }
    return CodePageOfLanguage(static_cast<std::uint16_t>(bytes[2] | bytes[3] << 8));
}

kbd::Result<Imported> WindowsKbdLayout(std::span<const std::uint8_t> bytes, const kbd::CodePage&) {
    Imported imported{ImportKind::WindowsKbd, kbd::DefaultLayout(), {}};
    const kbd::Status decoded = kbd::DecodeKbdImage(bytes, imported.layout);
    if (!decoded.ok()) {
        return decoded.error();
    }
    return imported;
}

} // namespace formats
