// What a save-then-load must give, worked out the slow and obvious way (a search per
// entry, no tables), so the fuzz targets check the codec against a second reading of
// the format rather than against itself.
#pragma once

#include "layout/keyboard_layout.h"

namespace kbd::fuzz {

// The key an entry with virtual-key code `code` lands on: the first key with that
// code, searched over keys 0..47; key 48 when none has it.
inline int LandingKey(const KeyboardLayout& layout, std::uint8_t code) {
    for (int i = 0; i < kKeyCount - 1; ++i) {
        if (layout.VirtualKey[i] == code) {
            return i;
        }
    }
    return kKeyCount - 1;
}

// `written` saved, then loaded over a layout whose scan codes are `scanCodes`.
inline KeyboardLayout PredictReload(const KeyboardLayout& written, const KeyBytes& scanCodes) {
    KeyboardLayout read = written;
    read.ScanCode = scanCodes;
    read.AltGrChar.fill(0);
    read.CapsAffected.fill(0);
    for (int i = 0; i < kKeyCount; ++i) {
        const int key = LandingKey(written, written.VirtualKey[i]);
        if (written.AltGrChar[i] > 32 && written.VirtualKey[i] != 0) {
            read.AltGrChar[key] = written.AltGrChar[i];
        }
        if (written.CapsAffected[i] != 0) {
            read.CapsAffected[key] = 1;
        }
    }
    return read;
}

} // namespace kbd::fuzz
