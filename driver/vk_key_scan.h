// VkKeyScan: the key and shift state that type a character, as the driver searches for it.
#pragma once

#include "kbd_driver.h"

#include <cstdint>
#include <optional>

namespace kbd::driver {

struct KeyScan {
    enum class Found {
        InTable,    // in the layout's table `table`
        EmptyTable, // "found" in a table of length 0 (see VkKeyScan)
        Driver,     // the driver's own list (digits, Tab, Return...)
        DriverCtrl, // a control character reached with Ctrl
        NotFound,   // VkKeyScan returns -1
    };
    Found found = Found::NotFound;
    int table = -1;
    // Nothing when the driver reads it from memory outside the layout's data.
    std::optional<std::uint8_t> virtualKey;
    std::uint8_t shiftState = 0; // 0 none, 1 Shift, 2 Ctrl, 3 Ctrl+Shift, 6 Ctrl+Alt, 7 all
};

KeyScan VkKeyScan(const LoadedKeyboard& layout, std::uint8_t character);

} // namespace kbd::driver
