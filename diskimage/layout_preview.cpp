#include "layout_preview.h"

#include "driver/to_ascii.h"

namespace kbd::diskimage {

std::string FirstRowPreview(std::span<const std::uint8_t> kbd, const CodePage& page) {
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
