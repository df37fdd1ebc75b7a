// A keyboard layout as a JSON object of seven arrays of 49 bytes, for people who keep
// layouts in version control and edit them with ordinary tools.
#pragma once

#include "layout/keyboard_layout.h"

#include <string>
#include <string_view>
#include <variant>

namespace formats {

// Why a JSON text was not taken as a layout; names the field and key index at fault.
struct JsonRefusal {
    std::string message;
};

// One field per line, in the layout's own order, so that a diff shows which table
// changed.
std::string LayoutToJson(const kbd::KeyboardLayout& layout);

// Every field must be present except ScanCode, which the editor never edits and
// which keeps its defaults when left out.
std::variant<kbd::KeyboardLayout, JsonRefusal> LayoutFromJson(std::string_view text);

} // namespace formats
