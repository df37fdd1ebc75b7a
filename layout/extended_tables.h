// What an extended file's appended tables hold for a layout, worked out once for the
// writer, the check and the try-out pad alike.
#pragma once

#include "keyboard_layout.h"

#include <cstdint>
#include <vector>

namespace kbd {

// One entry of a compacted character list: the character and the code it hangs on.
struct TableEntry {
    std::uint8_t character = 0;
    std::uint8_t virtualKey = 0;

    friend bool operator==(const TableEntry&, const TableEntry&) = default;
};

struct DeadKeyEntry {
    int key = 0;
    CharLayer layer = CharLayer::Norm;
    std::uint8_t character = 0;
    std::uint8_t virtualKey = 0;
};

struct ExtendedTables {
    std::vector<TableEntry> shiftAltGr;    // the Ctrl+Alt+Shift table, in key order
    std::vector<DeadKeyEntry> deadKeys;    // in key order, then layer order
    std::vector<Composition> compositions; // of the written dead characters only

    bool empty() const { return shiftAltGr.empty() && deadKeys.empty(); }
};

// A dead mark reaches the file only on a character the file holds, on a key with a code
// that no earlier key has: the driver matches character, code and shift state together.
// Compositions of a character that no written dead key carries are left out.
ExtendedTables BuildExtendedTables(const KeyboardLayout& layout);

} // namespace kbd
