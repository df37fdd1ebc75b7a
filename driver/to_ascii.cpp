#include "to_ascii.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <utility>

namespace kbd::driver {
namespace {

// The driver's state bits are those of STATE_LIST's order, but several of its own steps
// assume the order of its US table: Alt bit 0, Shift bit 1, Ctrl bit 2. A layout that
// lists its state keys otherwise gets those steps applied to other keys.
constexpr std::uint8_t kAltBit = 0x01;
constexpr std::uint8_t kShiftBit = 0x02;
constexpr std::uint8_t kCtrlBit = 0x04;

constexpr std::uint8_t kDown = 0x80;
constexpr std::uint8_t kToggled = 0x01;

// Scan codes of the numeric pad's digit keys, which Alt turns into a character number.
constexpr std::array<std::uint8_t, 10> kNumPadScans = {0x52, 0x4F, 0x50, 0x51, 0x4B,
                                                       0x4C, 0x4D, 0x47, 0x48, 0x49};

struct Pair {
    std::uint8_t virtualKey, character;
};

// The driver's own tables for a key the layout gives no character, per state & 7. The
// lists for no modifier and for Shift run on into the next ones, so those states also
// find every key of the lists after them.
constexpr std::array<Pair, 21> kNormalBase = {{
    {0x60, '0'},
    {0x61, '1'},
    {0x62, '2'},
    {0x63, '3'},
    {0x64, '4'},
    {0x65, '5'},
    {0x66, '6'},
    {0x67, '7'},
    {0x68, '8'},
    {0x69, '9'},
    {0x03, 0x03},
    // from here: also Shift
    {kVkEscape, 0x1B},
    {kVkTab, 0x09},
    {kVkReturn, 0x0D},
    // from here: also Alt and Alt+Shift
    {kVkBack, 0x08},
    {kVkSpace, 0x20},
    {0x6F, '/'},
    {0x6A, '*'},
    {0x6D, '-'},
    {0x6B, '+'},
    {0x6E, '.'},
}};
constexpr std::size_t kShiftBaseFrom = 11;
constexpr std::size_t kAltBaseFrom = 14;

constexpr std::array<Pair, 29> MakeCtrlBase() {
    std::array<Pair, 29> pairs{{{kVkReturn, 0x0A}, {kVkBack, 0x7F}, {kVkSpace, 0x20}}};
    for (std::uint8_t letter = 0; letter < 26; ++letter) {
        pairs[3 + letter] = {static_cast<std::uint8_t>('A' + letter),
                             static_cast<std::uint8_t>(letter + 1)};
    }
    return pairs;
}
constexpr std::array<Pair, 29> kCtrlBase = MakeCtrlBase();
constexpr std::size_t kCtrlShiftBaseFrom = 3; // Ctrl+Shift: the letters only

std::span<const Pair> DriverTable(std::uint8_t state) {
    switch (state & 7) {
    case 0:
        return kNormalBase;
    case kShiftBit:
        return std::span(kNormalBase).subspan(kShiftBaseFrom);
    case kAltBit:
    case kAltBit | kShiftBit:
        return std::span(kNormalBase).subspan(kAltBaseFrom);
    case kCtrlBit:
        return kCtrlBase;
    case kCtrlBit | kShiftBit:
        return std::span(kCtrlBase).subspan(kCtrlShiftBaseFrom);
    default:
        return {}; // Ctrl+Alt, Ctrl+Alt+Shift: the driver has nothing
    }
}

struct Step {
    std::optional<int> table; // the layout's table to read, or the driver's own
    bool altNumPad = false;   // Alt with a numeric-pad digit: a character number
};

// Which table the state selects, as the driver decides it. With nStates 0 its search
// of TOASC_STATES runs zero times and leaves the flags of the test before it, so a few
// states still reach table 0; that is kept here.
Step ChooseTable(const LoadedKeyboard& layout, std::uint8_t state, std::uint8_t scanCode) {
    if (state == 0) {
        return {0};
    }
    bool zeroFlag = false;
    if ((state & ~kShiftBit & 0xFF) == kCtrlBit) {
        zeroFlag = true; // equal
    } else if ((state & 0xFC) != 0) {
        zeroFlag = false;
    } else if ((state & kAltBit) == 0) {
        zeroFlag = true;
    } else {
        if (std::find(kNumPadScans.begin(), kNumPadScans.end(), scanCode) != kNumPadScans.end()) {
            return {std::nullopt, true};
        }
        zeroFlag = false;
    }
    const DataHeader& h = layout.header();
    if (h.nStates == 0) {
        return {zeroFlag ? std::optional<int>(0) : std::nullopt};
    }
    for (int i = 0; i < h.nStates; ++i) {
        if (layout.byte(h.TOASC_STATES + static_cast<std::size_t>(i)) == state) {
            return {i + 1};
        }
    }
    return {std::nullopt};
}

std::uint8_t StateOf(const LoadedKeyboard& layout, const std::array<std::uint8_t, 256>& keys,
                     std::uint8_t virtualKey) {
    const DataHeader& h = layout.header();
    std::uint8_t state = 0;
    std::uint8_t bit = 1;
    for (std::size_t k = 0; k < h.nStateKeys; ++k) {
        const std::uint8_t key = layout.byte(h.STATE_LIST + 2 * k);
        const std::uint8_t mask = layout.byte(h.STATE_LIST + 2 * k + 1);
        if ((keys[key] & mask) != 0) {
            state |= bit;
        }
        bit = static_cast<std::uint8_t>(bit << 1);
    }
    const bool capsOn = (keys[kVkCapital] & kToggled) != 0;
    // Caps Lock flips the Shift bit of whatever state is held, Ctrl and Alt included:
    // AltGr with Caps Lock on a letter reads the Ctrl+Alt+Shift table, not the AltGr one.
    if (capsOn && CapsLockActsOn(layout, virtualKey)) {
        state ^= kShiftBit;
    }
    if ((h.Flags & kShiftLockUsed) != 0 && capsOn && (state & (kAltBit | kCtrlBit)) == 0) {
        state |= kShiftBit;
    }
    // Shift Lock leaves the numeric pad's digits alone while Num Lock is on (it is, here).
    if ((h.Flags & kShiftLockUsed) != 0 && virtualKey >= 0x60 && virtualKey <= 0x69) {
        state &= static_cast<std::uint8_t>(~kShiftBit);
    }
    return state;
}

// The 4-byte key of DEADCOMBOS dead keys and of ligatures.
std::uint32_t ComboKey(std::uint8_t character, std::uint8_t virtualKey, std::uint8_t state) {
    return character | std::uint32_t{virtualKey} << 8 | std::uint32_t{state} << 16;
}

std::uint32_t DWord(const LoadedKeyboard& layout, std::size_t offset) {
    return layout.word(offset) | std::uint32_t{layout.word(offset + 2)} << 16;
}

bool IsDeadKey(const LoadedKeyboard& layout, std::uint8_t character, std::uint8_t virtualKey,
               std::uint8_t state) {
    const DataHeader& h = layout.header();
    for (std::size_t i = 0; i < h.nDeadKeys; ++i) {
        if ((h.Flags & kDeadCombos) != 0
                ? DWord(layout, h.DEAD_KEYS + 4 * i) == ComboKey(character, virtualKey, state)
                : layout.byte(h.DEAD_KEYS + i) == character) {
            return true;
        }
    }
    return false;
}

std::optional<std::uint8_t> Compose(const LoadedKeyboard& layout, std::uint8_t dead,
                                    std::uint8_t character) {
    const DataHeader& h = layout.header();
    const std::size_t pairs = layout.word(h.DEAD_KEYTRANS);
    const std::size_t first = h.DEAD_KEYTRANS + 2;
    for (std::size_t i = 0; i < pairs; ++i) {
        if (layout.byte(first + 2 * i) == dead && layout.byte(first + 2 * i + 1) == character) {
            return layout.byte(first + 2 * pairs + i);
        }
    }
    return std::nullopt;
}

// The characters of the ligature for this key in this state; the driver hands back
// words, of which a code page's character is the low byte.
std::optional<std::vector<std::uint8_t>> Ligature(const LoadedKeyboard& layout,
                                                  std::uint8_t character, std::uint8_t virtualKey,
                                                  std::uint8_t state) {
    const DataHeader& h = layout.header();
    if (h.LIG_KEYS == 0) {
        return std::nullopt;
    }
    for (std::size_t at = h.LIG_KEYS; layout.word(at) != 0; at += 5 + 2u * layout.byte(at + 4)) {
        if (DWord(layout, at) == ComboKey(character, virtualKey, state)) {
            std::vector<std::uint8_t> bytes{character};
            for (std::size_t i = 0; i < layout.byte(at + 4); ++i) {
                bytes.push_back(layout.byte(at + 5 + 2 * i));
            }
            return bytes;
        }
    }
    return std::nullopt;
}

} // namespace

Typed Keyboard::pressScanCode(std::uint8_t scanCode, Modifiers held) {
    return pressVirtualKey(VirtualKeyOfScanCode(*layout_, scanCode), scanCode, held);
}

Typed Keyboard::pressVirtualKey(std::uint8_t virtualKey, std::uint8_t scanCode, Modifiers held) {
    const LoadedKeyboard& layout = *layout_;
    Typed typed;
    typed.virtualKey = virtualKey;
    // A key without a virtual key is no key to the driver; Alt alone waits for more.
    if (virtualKey == 0 || virtualKey == kVkMenu) {
        return typed;
    }
    std::array<std::uint8_t, 256> keys{};
    const bool altGrIsCtrlAlt = (layout.header().Flags & kAltGrUsed) != 0;
    if (held.shift) {
        keys[kVkShift] |= kDown;
    }
    if (held.ctrl || (held.altGr && altGrIsCtrlAlt)) {
        keys[kVkControl] |= kDown;
    }
    if (held.alt || held.altGr) {
        keys[kVkMenu] |= kDown;
    }
    if (capsLock_) {
        keys[kVkCapital] |= kToggled;
    }
    typed.state = StateOf(layout, keys, virtualKey);
    const Step step = ChooseTable(layout, typed.state, scanCode);
    if (step.altNumPad) {
        return typed; // the digit goes into the number typed when Alt comes up
    }
    std::optional<std::uint8_t> character;
    if (step.table) {
        typed.table = *step.table;
        const StateTable& table = layout.tables()[static_cast<std::size_t>(*step.table)];
        // A table of length 0 finds nothing: the search runs zero times after a sum that
        // was not zero.
        for (std::size_t i = 0; i < table.length; ++i) {
            if (layout.byte(table.virtualKeys + i) == virtualKey) {
                const std::uint8_t found = layout.byte(table.chars + i);
                if (found != 0) {
                    character = found;
                }
                break;
            }
        }
    }
    if (character) {
        typed.source = Source::Layout;
        if (deadKey_ != 0) {
            const std::uint8_t dead = std::exchange(deadKey_, 0);
            const auto composed =
                layout.header().nDeadKeys != 0 ? Compose(layout, dead, *character) : std::nullopt;
            if (composed) {
                typed.bytes = {*composed};
                typed.source = Source::Composed;
            } else {
                typed.bytes = {dead, *character};
                typed.source = Source::NotComposed;
            }
            return typed;
        }
        if (layout.header().nDeadKeys != 0 &&
            IsDeadKey(layout, *character, virtualKey, typed.state)) {
            deadKey_ = *character;
            typed.bytes = {*character};
            typed.source = Source::DeadKey;
            return typed;
        }
        if (auto ligature = Ligature(layout, *character, virtualKey, typed.state)) {
            typed.bytes = std::move(*ligature);
            typed.source = Source::Ligature;
            return typed;
        }
        typed.bytes = {*character};
        return typed;
    }
    // The layout has nothing for the key: the driver's own tables.
    if (virtualKey == kVkSpace && deadKey_ != 0) {
        typed.bytes = {std::exchange(deadKey_, 0)};
        typed.source = Source::DeadKeySpace;
        return typed;
    }
    for (const Pair& pair : DriverTable(typed.state)) {
        if (pair.virtualKey == virtualKey) {
            typed.source = Source::Driver;
            // Backspace cancels a waiting dead key and types a character 0; any other
            // character of these tables comes out and leaves the dead key waiting.
            if (deadKey_ != 0 && pair.character == 0x08) {
                deadKey_ = 0;
                typed.bytes = {0};
            } else {
                typed.bytes = {pair.character};
            }
            return typed;
        }
    }
    return typed;
}

std::string DescribeSource(const LoadedKeyboard& layout, const Typed& typed) {
    const auto table = [&layout](int index) {
        const auto& tables = layout.tables();
        const std::uint8_t state = index >= 0 && static_cast<std::size_t>(index) < tables.size()
                                       ? tables[static_cast<std::size_t>(index)].state
                                       : 0;
        return "table " + std::to_string(index) + " (" + StateName(layout, state) + ")";
    };
    switch (typed.source) {
    case Source::Layout:
        return table(typed.table);
    case Source::DeadKey:
        return "dead key of " + table(typed.table) + ", waiting";
    case Source::Composed:
        return "dead key composed through DEAD_KEYTRANS";
    case Source::NotComposed:
        return "dead key without a pair: both characters";
    case Source::Ligature:
        return "ligature of " + table(typed.table);
    case Source::DeadKeySpace:
        return "the waiting dead key, after Space";
    case Source::Driver:
        return "the driver's own table (" + StateName(layout, typed.state) + ")";
    case Source::Nothing:
        break;
    }
    if (typed.table >= 0) {
        return "nothing: neither " + table(typed.table) + " nor the driver's tables have the key";
    }
    return "nothing: no table for " + StateName(layout, typed.state);
}

} // namespace kbd::driver
