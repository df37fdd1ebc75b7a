// The layout as source for Microsoft's Keyboard Layout Creator (MSKLC), which builds a
// keyboard layout for Windows NT and every later Windows from it.
#pragma once

#include "codepage/code_page.h"
#include "codepage/locales.h"
#include "export_names.h"
#include "layout/keyboard_layout.h"

#include <string>
#include <string_view>
#include <vector>

namespace kbd::exports {

// The longest description a .klc file gives a layout, in UTF-16 units: what Windows
// shows in its list of layouts, where a longer text does not fit.
inline constexpr std::size_t kMaxKlcDescription = 63;

// Why the layout cannot become a valid .klc file, one sentence each, naming the keys: two
// keys sharing a virtual-key code, a code a .klc cannot name, a character the code page
// lacks. Empty when it can.
std::vector<std::string> KlcRefusals(const KeyboardLayout& layout, const CodePage& page);

// The file as it is written: UTF-16LE with a byte-order mark, CRLF line ends, fields
// separated by tabs. `name` gives the 1-8 character KBD name and the description. For a
// layout with refusals, the keys at fault get rows MSKLC will reject. `locale` is the
// language Windows lists the layout under; without it, the code page's main language.
std::string KlcBytes(const KeyboardLayout& layout, const CodePage& page, std::string_view name,
                     const WindowsLocale& locale);
inline std::string KlcBytes(const KeyboardLayout& layout, const CodePage& page,
                            std::string_view name) {
    return KlcBytes(layout, page, name, MainLocale(page.number()));
}

// Refuses, writing nothing, when KlcRefusals has anything to say; else writes KlcBytes
// to `path` whole or not at all.
Status ExportKlc(const KeyboardLayout& layout, const CodePage& page, std::string_view name,
                 const std::string& path, const WindowsLocale& locale);
inline Status ExportKlc(const KeyboardLayout& layout, const CodePage& page, std::string_view name,
                        const std::string& path) {
    return ExportKlc(layout, page, name, path, MainLocale(page.number()));
}

} // namespace kbd::exports
