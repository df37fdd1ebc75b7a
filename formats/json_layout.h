// A keyboard layout as a JSON object of seven arrays of 49 bytes, for people who keep
// layouts in version control and edit them with ordinary tools; a layout with a
// Shift+AltGr layer or dead keys has two more fields, ShiftAltGrChar (49 bytes) and
// DeadKeys ([{"key": 1..49, "layer": "Norm"|"Shift"|"AltGr"|"ShiftAltGr",
// "compositions": [[base, result], ...]}, ...]).
#pragma once

#include "files/result.h"
#include "layout/keyboard_layout.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace formats {

// A layout takes about 1.2 KB; a text a thousand times larger is no layout, and refusing
// it unread keeps a hostile file from costing gigabytes of memory.
inline constexpr std::size_t kMaxJsonLayoutBytes = std::size_t{1} << 20;

// One field per line, in the layout's own order, so that a diff shows which table
// changed; the two extended fields only when the layout has something in them.
std::string LayoutToJson(const kbd::KeyboardLayout& layout);

// Every field must be present except ScanCode, which the editor never edits and
// which keeps its defaults when left out, and the two extended fields. A refusal is a BadContents
// error for `path` whose reason names the field and key index at fault; input it quotes is escaped
// and cut short.
kbd::Result<kbd::KeyboardLayout> LayoutFromJson(std::string_view text, const std::string& path);

} // namespace formats
