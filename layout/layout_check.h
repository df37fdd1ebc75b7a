// What a layout will lose or get wrong once it is saved as a KBD file and read back, and
// what will look odd to someone typing with it, key by key.
#pragma once

#include "codepage/code_page.h"
#include "keyboard_layout.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kbd {

enum class Severity { LosesData, Warning };

struct Finding {
    int key;   // 1..49
    int layer; // 1 Shift, 2 Norm, 3 AltGr, 4 ANSI as LayerMode; 0 for the whole key
    Severity severity;
    std::string text; // one sentence, no key number or layer in it
};

// Every finding, sorted by key and then layer.
std::vector<Finding> CheckLayout(const KeyboardLayout& layout, const CodePage& page);

// True when saving would not give back the same layout on reading.
bool LosesData(const std::vector<Finding>& findings);

// "loses data" or "warning".
std::string_view SeverityName(Severity severity);

} // namespace kbd
