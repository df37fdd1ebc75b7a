// An XKB symbols file a user wrote (~/.config/xkb/symbols/mine), put on the 49 keys by
// exactly the rules of a layout the system lists.
#pragma once

#include "codepage/code_page.h"
#include "files/result.h"
#include "imported.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace formats {

// True when the bytes are text that declares an xkb_symbols section.
bool LooksLikeXkbSymbols(std::span<const std::uint8_t> bytes);

// Compiles `bytes` as the symbols file `fileName` (its own name, so that its sections may
// include one another) with `variant` (empty for its default section): the file is put in
// a temporary include root searched before the system's folders, then read as
// BuildSystemLayout reads a system layout, dead accents dead keys unless `deadKeys` is
// false, composing by the en_US.UTF-8 Compose table (a file names no language). Refuses
// (BadKeyboardFile, no path) what libxkbcommon cannot compile, with its first complaint.
kbd::Result<Imported> XkbSymbolsLayout(std::span<const std::uint8_t> bytes,
                                       std::string_view fileName, std::string_view variant,
                                       const kbd::CodePage& codePage, bool deadKeys = true);

} // namespace formats
