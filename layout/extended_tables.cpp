#include "extended_tables.h"

#include "dead_keys.h"
#include "format_rules.h"

#include <algorithm>
#include <array>

namespace kbd {
namespace {

bool CharWritten(const KeyboardLayout& layout, int key, CharLayer layer) {
    switch (layer) {
    case CharLayer::AltGr:
        return AltGrWritten(layout, key);
    case CharLayer::ShiftAltGr:
        return ShiftAltGrWritten(layout, key);
    default:
        // A character 0 sends the driver to its own tables before dead keys are looked at.
        return CharOf(layout, key, layer) != 0;
    }
}

} // namespace

ExtendedTables BuildExtendedTables(const KeyboardLayout& layout) {
    ExtendedTables tables;
    for (int i = 0; i < kKeyCount; ++i) {
        if (ShiftAltGrWritten(layout, i)) {
            tables.shiftAltGr.push_back({layout.ShiftAltGrChar[i], layout.VirtualKey[i]});
        }
    }

    const FirstKeyOfCode first = FirstKeys(layout);
    std::array<bool, 256> deadChar{};
    for (int i = 0; i < kKeyCount; ++i) {
        const std::uint8_t code = layout.VirtualKey[i];
        if (layout.DeadLayers[i] == 0 || code == 0 || first[code] != i) {
            continue;
        }
        for (int l = 0; l < kCharLayerCount; ++l) {
            const auto layer = static_cast<CharLayer>(l);
            if (IsDead(layout, i, layer) && CharWritten(layout, i, layer)) {
                const std::uint8_t c = CharOf(layout, i, layer);
                tables.deadKeys.push_back({i, layer, c, code});
                deadChar[c] = true;
            }
        }
    }
    std::copy_if(layout.Compositions.begin(), layout.Compositions.end(),
                 std::back_inserter(tables.compositions),
                 [&](const Composition& c) { return deadChar[c.dead]; });
    return tables;
}

} // namespace kbd
