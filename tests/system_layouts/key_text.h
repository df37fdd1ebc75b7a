// One key of a layout as a line of hex bytes, so that a row of a table states a whole key.
#pragma once

#include "layout/keyboard_layout.h"

#include <cstdio>
#include <string>

namespace kbd {

// "13: BB B4 60 B8 B4 0" for key 13 (1..49): its virtual-key code, Norm, Shift, AltGr and
// ANSI characters and its Caps-Lock flag.
inline std::string KeyText(const KeyboardLayout& layout, int key) {
    const int i = key - 1;
    char text[32];
    std::snprintf(text, sizeof text, "%d: %02X %02X %02X %02X %02X %d", key, layout.VirtualKey[i],
                  layout.NormalChar[i], layout.ShiftChar[i], layout.AltGrChar[i],
                  layout.AnsiChar[i], layout.CapsAffected[i]);
    return text;
}

} // namespace kbd
