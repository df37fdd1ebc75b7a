// A Windows 95 keyboard file (KBDUS.KBD, KBDUK.KBD..., or one of ours) put on the 49 keys.
#pragma once

#include "codepage/code_page.h"
#include "files/result.h"
#include "imported.h"

#include <cstdint>
#include <optional>
#include <span>

namespace formats {

// True when the bytes start with "DS", as every Windows keyboard file does.
bool LooksLikeWindowsKbd(std::span<const std::uint8_t> bytes);

// The code page the file's language word (offset 2) gives, if it gives one.
std::optional<int> WindowsKbdCodePage(std::span<const std::uint8_t> bytes);

// The layout the file gives the 49 keys; refuses (BadKeyboardFile, no path) a file the
// driver would not load, with the reason.
kbd::Result<Imported> WindowsKbdLayout(std::span<const std::uint8_t> bytes,
                                       const kbd::CodePage& codePage);

} // namespace formats
