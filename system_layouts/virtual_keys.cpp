#include "virtual_keys.h"

#include <algorithm>
#include <array>
#include <optional>

namespace kbd {
namespace {

constexpr std::array<std::uint8_t, 13> kSpareCodes{0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0,
                                                   0xDB, 0xDC, 0xDD, 0xDE, 0xDF, 0xE2};

// The code a US keyboard gives the key that types this character unshifted.
std::optional<std::uint8_t> OemCode(char32_t point) {
    switch (point) {
    case U',':
        return 0xBC;
    case U'.':
        return 0xBE;
    case U'-':
        return 0xBD;
    case U'=':
    case U'+':
        return 0xBB;
    case U';':
        return 0xBA;
    case U'/':
        return 0xBF;
    case U'`':
        return 0xC0;
    case U'[':
        return 0xDB;
    case U'\\':
        return 0xDC;
    case U']':
        return 0xDD;
    case U'\'':
        return 0xDE;
    default:
        return std::nullopt;
    }
}

std::optional<std::uint8_t> LetterCode(const CodePage& codePage, std::uint8_t norm) {
    const std::optional<char32_t> point = codePage.codePoint(norm);
    if (point && *point >= U'a' && *point <= U'z') {
        return static_cast<std::uint8_t>(*point - U'a' + 'A');
    }
    if (point && *point >= U'A' && *point <= U'Z') {
        return static_cast<std::uint8_t>(*point);
    }
    return std::nullopt;
}

} // namespace

void AssignVirtualKeys(KeyboardLayout& layout, const CodePage& codePage) {
    const KeyBytes& defaults = DefaultLayout().VirtualKey;
    KeyBytes& codes = layout.VirtualKey;
    codes = defaults;
    std::array<bool, kKeyCount> lettered{};
    std::array<bool, 256> letterTaken{};
    for (int i = 0; i < kKeyCount; ++i) {
        const auto letter = LetterCode(codePage, layout.NormalChar[i]);
        if (letter && !letterTaken[*letter]) {
            letterTaken[*letter] = lettered[i] = true;
            codes[i] = *letter;
        }
    }
    const auto heldByOther = [&codes](int self, std::uint8_t code) {
        for (int j = 0; j < kKeyCount; ++j) {
            if (j != self && codes[j] == code) {
                return true;
            }
        }
        return false;
    };
    const auto freeFor = [&heldByOther](int self) {
        return [&heldByOther, self](std::uint8_t code) {
            return !heldByOther(self, code);
        };
    };
    for (int i = 0; i < kKeyCount; ++i) {
        if (lettered[i] || !heldByOther(i, codes[i])) {
            continue;
        }
        const auto point = codePage.codePoint(layout.NormalChar[i]);
        const auto oem = point ? OemCode(*point) : std::nullopt;
        if (oem && !heldByOther(i, *oem)) {
            codes[i] = *oem;
        } else if (const auto* spare =
                       std::find_if(kSpareCodes.begin(), kSpareCodes.end(), freeFor(i));
                   spare != kSpareCodes.end()) {
            codes[i] = *spare;
        } else {
            codes[i] = *std::find_if(defaults.begin(), defaults.end(), freeFor(i));
        }
    }
}

} // namespace kbd
