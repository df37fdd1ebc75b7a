// The driver's own knowledge of the US keyboard, used when the layout does not say.
#include "kbd_driver.h"

#include <algorithm>
#include <array>

namespace kbd::driver {
namespace {

struct UsKey {
    std::uint8_t scan, virtualKey;
};

// The 49 keys in the editor's key order, then the keys whose characters the driver
// makes itself.
constexpr std::array<UsKey, 54> kUsKeys = {{
    {0x29, 0xC0},
    {0x02, '1'},
    {0x03, '2'},
    {0x04, '3'},
    {0x05, '4'},
    {0x06, '5'},
    {0x07, '6'},
    {0x08, '7'},
    {0x09, '8'},
    {0x0A, '9'},
    {0x0B, '0'},
    {0x0C, 0xBD},
    {0x0D, 0xBB},
    {0x10, 'Q'},
    {0x11, 'W'},
    {0x12, 'E'},
    {0x13, 'R'},
    {0x14, 'T'},
    {0x15, 'Y'},
    {0x16, 'U'},
    {0x17, 'I'},
    {0x18, 'O'},
    {0x19, 'P'},
    {0x1A, 0xDB},
    {0x1B, 0xDD},
    {0x2B, 0xDC},
    {0x1E, 'A'},
    {0x1F, 'S'},
    {0x20, 'D'},
    {0x21, 'F'},
    {0x22, 'G'},
    {0x23, 'H'},
    {0x24, 'J'},
    {0x25, 'K'},
    {0x26, 'L'},
    {0x27, 0xBA},
    {0x28, 0xDE},
    {0x2C, 'Z'},
    {0x2D, 'X'},
    {0x2E, 'C'},
    {0x2F, 'V'},
    {0x30, 'B'},
    {0x31, 'N'},
    {0x32, 'M'},
    {0x33, 0xBC},
    {0x34, 0xBE},
    {0x35, 0xBF},
    {0x56, 0xE2},
    // The numeric-pad decimal key with Num Lock on, as Windows starts.
    {0x53, 0x6E},
    {0x01, kVkEscape},
    {0x0E, kVkBack},
    {0x0F, kVkTab},
    {0x1C, kVkReturn},
    {0x39, kVkSpace},
}};

} // namespace

std::uint8_t ScanCodeOfKey(int keyIndex) {
    return keyIndex >= 0 && keyIndex < kTypewriterKeys ? kUsKeys[keyIndex].scan : 0;
}

std::uint8_t VirtualKeyOfScanCode(const LoadedKeyboard& keyboard, std::uint8_t scanCode) {
    const DataHeader& h = keyboard.header();
    const auto scans = keyboard.data().subspan(h.SCANTOIDX, h.SCAN_SIZE);
    const auto found = std::find(scans.begin(), scans.end(), scanCode);
    if (found != scans.end()) {
        return keyboard.byte(h.VKEYTOIDX + static_cast<std::size_t>(found - scans.begin()));
    }
    for (const UsKey& key : kUsKeys) {
        if (key.scan == scanCode) {
            return key.virtualKey;
        }
    }
    return 0;
}

std::string StateName(const LoadedKeyboard& keyboard, std::uint8_t state) {
    if (state == 0) {
        return "Norm";
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
