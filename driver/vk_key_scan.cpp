#include "vk_key_scan.h"

#include <array>

namespace kbd::driver {
namespace {

struct Pair {
    std::uint8_t character, virtualKey;
};

// The driver's own list: numeric-pad characters and the keys every keyboard has.
constexpr std::array<Pair, 21> kBaseAnsi = {{
    {'0', 0x60},       {'1', 0x61},     {'2', 0x62},    {'3', 0x63},       {'4', 0x64},
    {'5', 0x65},       {'6', 0x66},     {'7', 0x67},    {'8', 0x68},       {'9', 0x69},
    {'/', 0x6F},       {'*', 0x6A},     {'-', 0x6D},    {'+', 0x6B},       {'.', 0x6E},
    {0x03, 0x03},      {0x08, kVkBack}, {0x09, kVkTab}, {0x0D, kVkReturn}, {0x20, kVkSpace},
    {0x1B, kVkEscape},
}};
// Control characters that Ctrl makes on keys other than the letters.
constexpr std::array<Pair, 5> kCtrlKeys = {{
    {0x0A, kVkReturn},
    {0x1C, 0xDC},
    {0x1D, 0xDD},
    {0x7F, kVkBack},
    {0x80, 0x32},
}};
constexpr std::uint8_t kControlState = 2;

} // namespace

KeyScan VkKeyScan(const LoadedKeyboard& layout, std::uint8_t character) {
    const auto& tables = layout.tables();
    for (std::size_t t = 0; t < tables.size(); ++t) {
        const StateTable& table = tables[t];
        KeyScan scan;
        scan.table = static_cast<int>(t);
        scan.shiftState = table.shiftState;
        if (table.length == 0) {
            // The driver clears the count's high byte just before `repnz scasb`; with a
            // count of 0 the search does not run and the zero flag of that clearing
            // reads as "found", one byte before the table's start. The key it reports
            // is the byte before the table's virtual-key list, which for a list at
            // offset 0 (our files' Ctrl+Alt+Shift table) lies outside the layout, in
            // the driver's memory. Every character no earlier table holds ends here.
            scan.found = KeyScan::Found::EmptyTable;
            if (table.virtualKeys > 0) {
                scan.virtualKey = layout.byte(table.virtualKeys - 1u);
            }
            return scan;
        }
        for (std::size_t i = 0; i < table.length; ++i) {
            if (layout.byte(table.chars + i) == character) {
                scan.found = KeyScan::Found::InTable;
                scan.virtualKey = layout.byte(table.virtualKeys + i);
                return scan;
            }
        }
    }
    for (const Pair& pair : kBaseAnsi) {
        if (pair.character == character) {
            return {KeyScan::Found::Driver, -1, pair.virtualKey, 0};
        }
    }
    for (const Pair& pair : kCtrlKeys) {
        if (pair.character == character) {
            return {KeyScan::Found::DriverCtrl, -1, pair.virtualKey, kControlState};
        }
    }
    // Ctrl+letter for 1..26; 0 wraps below 1 and fails with everything above 26.
    if (character >= 1 && character <= 26) {
        return {KeyScan::Found::DriverCtrl, -1, static_cast<std::uint8_t>('A' + character - 1),
                kControlState};
    }
    return {};
}

} // namespace kbd::driver
