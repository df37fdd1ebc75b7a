// What a save-then-load must give, worked out the slow and obvious way (a search per
// entry, no tables), so the fuzz targets check the codec against a second reading of
// the format rather than against itself.
#pragma once

#include "layout/keyboard_layout.h"

#include <algorithm>
#include <vector>

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

// The Shift+AltGr layer and the dead keys of `written` as a save and load give them: a
// Shift+AltGr character as an AltGr one; a dead mark only where the file holds the
// character, on the first key of a code other than 0; compositions only of characters
// that such a mark makes dead.
inline void PredictExtras(const KeyboardLayout& written, KeyboardLayout& read) {
    read.ShiftAltGrChar.fill(0);
    read.DeadLayers.fill(0);
    read.Compositions.clear();
    std::vector<std::uint8_t> dead;
    for (int i = 0; i < kKeyCount; ++i) {
        const std::uint8_t code = written.VirtualKey[i];
        if (written.ShiftAltGrChar[i] > 32 && code != 0) {
            read.ShiftAltGrChar[LandingKey(written, code)] = written.ShiftAltGrChar[i];
        }
        if (code == 0 || LandingKey(written, code) != i) {
            continue;
        }
        const std::uint8_t chars[] = {written.NormalChar[i], written.ShiftChar[i],
                                      written.AltGrChar[i], written.ShiftAltGrChar[i]};
        for (int layer = 0; layer < 4; ++layer) {
            if ((written.DeadLayers[i] >> layer & 1) != 0 && chars[layer] > (layer < 2 ? 0 : 32)) {
                read.DeadLayers[i] |= static_cast<std::uint8_t>(1 << layer);
                dead.push_back(chars[layer]);
            }
        }
    }
    for (const Composition& c : written.Compositions) {
        if (std::find(dead.begin(), dead.end(), c.dead) != dead.end()) {
            read.Compositions.push_back(c);
        }
    }
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
    PredictExtras(written, read);
    return read;
}

} // namespace kbd::fuzz
