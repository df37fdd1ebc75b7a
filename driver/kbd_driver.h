// A model of the Windows 95 keyboard driver's use of a KBD file: what it loads, which
// virtual key a scan code becomes, what ToAscii types for a key under a state, and what
// VkKeyScan answers for a character. It works on the bytes of any KBD file, ours or not,
// so that the editor can show what Windows will type rather than what our reader reads.
#pragma once

#include "files/result.h"
#include "layout/key_places.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kbd::driver {

// Bits of the data header's Flags word that the driver tests.
inline constexpr std::uint16_t kCapsNormal = 0x02;    // Caps Lock follows the CAPS bitmap
inline constexpr std::uint16_t kAltGrUsed = 0x08;     // right Alt is Ctrl+Alt
inline constexpr std::uint16_t kDeadCombos = 0x20;    // DEAD_KEYS holds 4-byte entries
inline constexpr std::uint16_t kShiftLockUsed = 0x40; // Caps Lock shifts every key

// The words at the start of the data block, in file order. The offsets count from the
// data block's first byte, as the driver's loader adds the block's address to each.
struct DataHeader {
    std::uint16_t Flags = 0;
    std::uint16_t nStateKeys = 0;
    std::uint16_t nStates = 0;
    std::uint16_t nDeadKeys = 0;
    std::uint16_t nLigKeys = 0;
    std::uint16_t STATE_LIST = 0;
    std::uint16_t TOASC_STATES = 0;
    std::uint16_t STATETABLES = 0;
    std::uint16_t VKEY_LISTS = 0;
    std::uint16_t VKEY_LIST_LENS = 0;
    std::uint16_t VK_STATES = 0;
    std::uint16_t SCANTOIDX = 0;
    std::uint16_t VKEYTOIDX = 0;
    std::uint16_t SCAN_SIZE = 0;
    std::uint16_t VKEYTOANSI = 0;
    std::uint16_t DEAD_KEYS = 0;
    std::uint16_t DEAD_KEYTRANS = 0;
    std::uint16_t LIG_KEYS = 0;
    std::uint16_t CAPS = 0;
};

// One character table of the layout, as the driver finds it for a table index
// (0 for no modifier, i for the state TOASC_STATES[i - 1]).
struct StateTable {
    std::uint8_t state = 0;        // the state bits that select it
    std::uint8_t shiftState = 0;   // VK_STATES: what VkKeyScan reports for it
    std::uint16_t chars = 0;       // offset of its characters in the data block
    std::uint16_t virtualKeys = 0; // offset of its virtual-key list
    std::uint8_t length = 0;       // entries in both lists
};

// A KBD file as the driver holds it after loading: its data block, checked once so that
// nothing the model does later can read outside it.
class LoadedKeyboard {
public:
    const DataHeader& header() const { return header_; }
    std::span<const std::uint8_t> data() const { return data_; }
    std::uint8_t byte(std::size_t offset) const { return data_[offset]; }
    std::uint16_t word(std::size_t offset) const {
        return static_cast<std::uint16_t>(data_[offset] | data_[offset + 1] << 8);
    }
    // Tables 0..nStates.
    const std::vector<StateTable>& tables() const { return tables_; }
    // The state keys' virtual-key codes in STATE_LIST order: bit i of a state is key i.
    const std::vector<std::uint8_t>& stateKeys() const { return stateKeys_; }

private:
    friend Result<LoadedKeyboard> LoadKeyboard(std::span<const std::uint8_t> image);
    DataHeader header_;
    std::vector<std::uint8_t> data_;
    std::vector<StateTable> tables_;
    std::vector<std::uint8_t> stateKeys_;
};

// Reads a KBD image of any size as the driver's loader does: "DS", pKbdStart (DWORD at
// 8), kbdSize (WORD at 12), the data block, then every header word checked against the
// block. A refusal is an ErrorKind::BadKeyboardData whose reason names the field.
Result<LoadedKeyboard> LoadKeyboard(std::span<const std::uint8_t> image);

// Virtual-key codes the driver knows by name.
inline constexpr std::uint8_t kVkBack = 0x08;
inline constexpr std::uint8_t kVkTab = 0x09;
inline constexpr std::uint8_t kVkReturn = 0x0D;
inline constexpr std::uint8_t kVkShift = 0x10;
inline constexpr std::uint8_t kVkControl = 0x11;
inline constexpr std::uint8_t kVkMenu = 0x12; // Alt
inline constexpr std::uint8_t kVkCapital = 0x14;
inline constexpr std::uint8_t kVkEscape = 0x1B;
inline constexpr std::uint8_t kVkSpace = 0x20;

// The virtual key of a scan code: the layout's SCANTOIDX/VKEYTOIDX pair among their first
// SCAN_SIZE entries, else the driver's own US table; 0 for a scan code neither knows.
std::uint8_t VirtualKeyOfScanCode(const LoadedKeyboard& keyboard, std::uint8_t scanCode);

// Whether Caps Lock acts on the key of `virtualKey`: the file says Caps Lock acts on
// chosen keys (CAPSNORMAL) and the key's bit of the CAPS bitmap is set.
bool CapsLockActsOn(const LoadedKeyboard& keyboard, std::uint8_t virtualKey);

// The scan code of key index 0..48 on the PC keyboard (the typewriter block, the key
// beside the left Shift key and the numeric-pad decimal key, in the editor's key order).
std::uint8_t ScanCodeOfKey(int keyIndex);

// "Ctrl+Alt+Shift" for state bits, named after the state keys of STATE_LIST; "Norm" for 0.
std::string StateName(const LoadedKeyboard& keyboard, std::uint8_t state);

} // namespace kbd::driver
