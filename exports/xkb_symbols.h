// The layout as an XKB symbols file, for Linux and every other system that types through
// XKB: one "basic" section with a line for each of the 49 keys and right Alt as AltGr.
#pragma once

#include "codepage/code_page.h"
#include "export_names.h"
#include "layout/keyboard_layout.h"

#include <string>
#include <string_view>

namespace kbd::exports {

// The file's text, characters read in `page`. `name` becomes name[Group1], the name a
// desktop's layout list shows.
std::string XkbSymbolsText(const KeyboardLayout& layout, const CodePage& page,
                           std::string_view name);

// libxkbcommon reads a string of up to 1,022 bytes and gives up on a longer one as an
// unterminated string, leaving a layout of no keys; a margin below that.
inline constexpr std::size_t kMaxXkbNameBytes = 1000;

// Writes XkbSymbolsText to `path` whole or not at all; refuses a name longer than
// kMaxXkbNameBytes.
Status ExportXkbSymbols(const KeyboardLayout& layout, const CodePage& page, std::string_view name,
                        const std::string& path);

} // namespace kbd::exports
