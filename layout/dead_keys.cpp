#include "dead_keys.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace kbd {
namespace {

auto Position(std::vector<Composition>& list, std::uint8_t dead, std::uint8_t base) {
    return std::lower_bound(list.begin(), list.end(), Composition{dead, base, 0},
                            [](const Composition& a, const Composition& b) {
                                return std::tie(a.dead, a.base) < std::tie(b.dead, b.base);
                            });
}

} // namespace

void SetDead(KeyboardLayout& layout, int key, CharLayer layer, bool dead) {
    if (dead) {
        layout.DeadLayers[key] |= LayerBit(layer);
    } else {
        layout.DeadLayers[key] &= static_cast<std::uint8_t>(~LayerBit(layer));
    }
}

std::uint8_t CharOf(const KeyboardLayout& layout, int key, CharLayer layer) {
    switch (layer) {
    case CharLayer::Norm:
        return layout.NormalChar[key];
    case CharLayer::Shift:
        return layout.ShiftChar[key];
    case CharLayer::AltGr:
        return layout.AltGrChar[key];
    case CharLayer::ShiftAltGr:
        return layout.ShiftAltGrChar[key];
    }
    return 0;
}

std::span<const Composition> CompositionsOf(const KeyboardLayout& layout, std::uint8_t dead) {
    const auto& list = layout.Compositions;
    const auto first = std::find_if(list.begin(), list.end(),
                                    [dead](const Composition& c) { return c.dead >= dead; });
    const auto last =
        std::find_if(first, list.end(), [dead](const Composition& c) { return c.dead != dead; });
    return {first, last};
}

std::optional<std::uint8_t> Composed(const KeyboardLayout& layout, std::uint8_t dead,
                                     std::uint8_t base) {
    for (const Composition& c : CompositionsOf(layout, dead)) {
        if (c.base == base) {
            return c.result;
        }
    }
    return std::nullopt;
}

void SetComposition(KeyboardLayout& layout, Composition composition) {
    auto& list = layout.Compositions;
    const auto at = Position(list, composition.dead, composition.base);
    if (at != list.end() && at->dead == composition.dead && at->base == composition.base) {
        at->result = composition.result;
    } else {
        list.insert(at, composition);
    }
}

void RemoveComposition(KeyboardLayout& layout, std::uint8_t dead, std::uint8_t base) {
    auto& list = layout.Compositions;
    const auto at = Position(list, dead, base);
    if (at != list.end() && at->dead == dead && at->base == base) {
        list.erase(at);
    }
}

std::vector<std::uint8_t> DeadCharacters(const KeyboardLayout& layout) {
    std::array<bool, 256> seen{};
    for (int key = 0; key < kKeyCount; ++key) {
        for (int l = 0; l < kCharLayerCount; ++l) {
            const auto layer = static_cast<CharLayer>(l);
            if (IsDead(layout, key, layer)) {
                seen[CharOf(layout, key, layer)] = true;
            }
        }
    }
    std::vector<std::uint8_t> chars;
    for (int c = 0; c < 256; ++c) {
        if (seen[static_cast<std::size_t>(c)]) {
            chars.push_back(static_cast<std::uint8_t>(c));
        }
    }
    return chars;
}

} // namespace kbd
