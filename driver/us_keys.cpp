// The driver's own knowledge of the US keyboard, used when the layout does not say.
#include "kbd_driver.h"
#include "layout/keyboard_layout.h"

#include <algorithm>
#include <array>

namespace kbd::driver {
namespace {

struct UsKey {
    std::uint8_t scan, virtualKey;
};

// Beside the 49 keys of the key table, the keys whose characters the driver makes itself.
constexpr std::array<UsKey, 5> kDriverKeys = {{
    {0x01, kVkEscape},
    {0x0E, kVkBack},
    {0x0F, kVkTab},
    {0x1C, kVkReturn},
    {0x39, kVkSpace},
}};

} // namespace

std::uint8_t ScanCodeOfKey(int keyIndex) {
    return keyIndex >= 0 && keyIndex < kKeyCount ? kKeyPlaces[keyIndex].scanCode : 0;
}

bool CapsLockActsOn(const LoadedKeyboard& keyboard, std::uint8_t virtualKey) {
    const DataHeader& h = keyboard.header();
    return (h.Flags & kCapsNormal) != 0 &&
           (keyboard.byte(h.CAPS + virtualKey / 8u) >> (virtualKey % 8u) & 1) != 0;
}

std::uint8_t VirtualKeyOfScanCode(const LoadedKeyboard& keyboard, std::uint8_t scanCode) {
    const DataHeader& h = keyboard.header();
    const auto scans = keyboard.data().subspan(h.SCANTOIDX, h.SCAN_SIZE);
    const auto found = std::find(scans.begin(), scans.end(), scanCode);
    if (found != scans.end()) {
        return keyboard.byte(h.VKEYTOIDX + static_cast<std::size_t>(found - scans.begin()));
    }
    if (const auto key = KeyOfScanCode(scanCode)) {
        return kKeyPlaces[*key].usVirtualKey;
    }
    for (const UsKey& key : kDriverKeys) {
        if (key.scan == scanCode) {
            return key.virtualKey;
        }
    }
    return 0;
}

std::string StateName(const LoadedKeyboard& keyboard, std::uint8_t state) {
    if (state == 0) {
        return std::string(LayerName(LayerNorm));
    }
    // Named in the order people write them, whatever order the file lists its keys in.
    const struct {
        std::uint8_t virtualKey;
        const char* name;
    } kNames[] = {{kVkControl, "Ctrl"}, {kVkMenu, "Alt"}, {kVkShift, "Shift"}};
    const auto& keys = keyboard.stateKeys();
    std::string text;
    auto add = [&text](const std::string& name) {
        text += (text.empty() ? "" : "+") + name;
    };
    for (const auto& known : kNames) {
        for (std::size_t bit = 0; bit < keys.size() && bit < 8; ++bit) {
            if ((state >> bit & 1) != 0 && keys[bit] == known.virtualKey) {
                add(known.name);
            }
        }
    }
    for (std::size_t bit = 0; bit < 8; ++bit) {
        if ((state >> bit & 1) == 0) {
            continue;
        }
        const bool named = bit < keys.size() && (keys[bit] == kVkControl || keys[bit] == kVkMenu ||
                                                 keys[bit] == kVkShift);
        if (!named) {
            add("bit " + std::to_string(bit));
        }
    }
    return text;
}

} // namespace kbd::driver
