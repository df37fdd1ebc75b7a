// Reading and editing the extended part of a layout: the Shift+AltGr character of a key,
// which layers of a key are dead, and what each dead character composes with.
#pragma once

#include "keyboard_layout.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kbd {

constexpr std::uint8_t LayerBit(CharLayer layer) {
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(layer));
}

constexpr bool IsDead(const KeyboardLayout& layout, int key, CharLayer layer) {
    return (layout.DeadLayers[key] & LayerBit(layer)) != 0;
}

void SetDead(KeyboardLayout& layout, int key, CharLayer layer, bool dead);

// The key's character in one of the four tables a press reads.
std::uint8_t CharOf(const KeyboardLayout& layout, int key, CharLayer layer);

// The compositions of one dead character, in base order.
std::span<const Composition> CompositionsOf(const KeyboardLayout& layout, std::uint8_t dead);

std::optional<std::uint8_t> Composed(const KeyboardLayout& layout, std::uint8_t dead,
                                     std::uint8_t base);

// Whether Windows 95 ever reads a composition with `base`: Space after a dead key types
// the accent alone whatever the compositions say, as the driver takes Space from its own
// tables, so a composition with it is never typed and an import leaves it out.
constexpr bool DriverComposesWith(std::uint8_t base) {
    return base != ' ';
}

// Adds the composition, or replaces the result of the one with the same dead and base.
void SetComposition(KeyboardLayout& layout, Composition composition);

void RemoveComposition(KeyboardLayout& layout, std::uint8_t dead, std::uint8_t base);

// Every dead character of the layout (dead on some key and layer), each once, ascending.
std::vector<std::uint8_t> DeadCharacters(const KeyboardLayout& layout);

} // namespace kbd
