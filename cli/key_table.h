// The readable table of the 49 keys that `kbdtool show` prints.
#pragma once

#include "codepage/code_page.h"
#include "layout/keyboard_layout.h"

#include <string>

namespace cli {

// One line per key, numbered 1..49 as the editor's keyboard panel numbers them.
std::string KeyTable(const kbd::KeyboardLayout& layout, const kbd::CodePage& page);

} // namespace cli
