// A layout brought in from a keyboard file of another kind, with the list of what the
// file holds that the 49-key layout cannot.
#pragma once

#include "layout/keyboard_layout.h"
#include "system_layouts/not_carried.h"

#include <vector>

namespace formats {

enum class ImportKind {
    Json,       // kbdtool's JSON layout
    Klc,        // an MSKLC source
    XkbSymbols, // an XKB symbols file
    WindowsKbd, // a Windows 95 keyboard file, ours or any other
};

struct Imported {
    ImportKind kind;
    kbd::KeyboardLayout layout;
    // By key, then layer, as the file lists them; keys outside the 49 last.
    std::vector<kbd::NotCarried> notCarried;
};

} // namespace formats
