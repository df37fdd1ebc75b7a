// The names Windows gives virtual-key codes in keyboard sources (MSKLC's .klc files write
// them without the VK_ prefix: "OEM_PLUS", "DECIMAL", "Q"), in one table for the reader of
// those files and the writer of them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kbd {

// The name of `code`, or empty when the table has none.
std::string_view VirtualKeyName(std::uint8_t code);

// The name of `code` when a key of the typewriter block may carry it in a .klc file (the
// digits, the letters, the OEM_ keys and DECIMAL); empty for any other code.
std::string_view TypewriterKeyName(std::uint8_t code);

// The code of `name`, in the case the table spells it; nothing for a name it lacks.
std::optional<std::uint8_t> VirtualKeyCode(std::string_view name);

} // namespace kbd
