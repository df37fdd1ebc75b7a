// The layout a kbdtool command works on, from a KBD file or, by a .json extension in any
// case, from kbdtool's JSON: a layout can be checked and exported before it is ever saved.
#pragma once

#include "files/result.h"
#include "layout/keyboard_layout.h"

#include <optional>
#include <string>

namespace cli {

bool IsJsonPath(const std::string& path);

// Reads the layout at `path` as the editor's open would; says why not on standard error.
std::optional<kbd::KeyboardLayout> ReadLayout(const std::string& path);

// Reads the JSON layout at `path`, whatever its extension.
kbd::Result<kbd::KeyboardLayout> ReadJsonLayout(const std::string& path);

} // namespace cli
