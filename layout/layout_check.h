// What a layout will lose or get wrong once it is saved as a KBD file and read back, and
// what will look odd to someone typing with it, key by key.
#pragma once

#include "keyboard_layout.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kbd {

// What the check needs to know of a code page; the caller builds it, since reading a code
// page's letters takes a Unicode library this one does without.
struct CodePageFacts {
    std::array<bool, 256> defined{};
    // upper[c] is the byte of c's upper case in this code page, c itself when none.
    std::array<std::uint8_t, 256> upper{};
};

enum class Severity { LosesData, Warning };

struct Finding {
    int key;   // 1..49
    int layer; // 1 Shift, 2 Norm, 3 AltGr, 4 ANSI as LayerMode; 0 for the whole key
    Severity severity;
    std::string text; // one sentence, no key number or layer in it
};

// Every finding, sorted by key and then layer.
std::vector<Finding> CheckLayout(const KeyboardLayout& layout, const CodePageFacts& facts);

// True when saving would not give back the same layout on reading.
bool LosesData(const std::vector<Finding>& findings);

// "Shift", "Norm", "AltGr", "ANSI"; empty for 0 and anything else.
std::string_view LayerName(int layer);
// "loses data" or "warning".
std::string_view SeverityName(Severity severity);

} // namespace kbd
