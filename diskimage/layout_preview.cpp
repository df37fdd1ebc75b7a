#include "layout_preview.h"

#include "codepage/language_code_page.h"
#include "driver/to_ascii.h"
#include "layout_registry.h"

namespace kbd::diskimage {

std::string FirstRowPreview(std::span<const std::uint8_t> kbd, const CodePage& fallback) {
    // Windows reads a layout file in its language's code page: KBDRU.KBD in 1251.
    const auto own = CodePageOfLanguage(KbdLanguage(kbd));
    const std::optional<CodePage> loadedPage = own ? CodePage::Load(*own) : std::nullopt;
    const CodePage& page = loadedPage ? *loadedPage : fallback;
    const auto loaded = driver::LoadKeyboard(kbd);
    if (!loaded.ok()) {
        const Error& error = loaded.error();
        return "(not loaded: " +
               (error.reason.empty() ? std::string(describe(error.kind)) : error.reason) + ")";
    }
    std::string row;
    for (std::uint8_t scan = 0x10; scan <= 0x1B; ++scan) {
        // A fresh keyboard each time: a dead key must not colour the next key's answer.
        driver::Keyboard keyboard(loaded.value());
        const driver::Typed typed = keyboard.pressScanCode(scan, driver::kNorm);
        const std::string shown = typed.bytes.empty() ? "" : page.shown(typed.bytes.front());
        row += (row.empty() ? "" : " ") + (shown.empty() ? std::string("·") : shown);
    }
    return row;
}

} // namespace kbd::diskimage
