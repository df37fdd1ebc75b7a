#include "language_code_page.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kbd {
namespace {

// Primary language ids and their code page, where every sublanguage shares it.
constexpr std::array<std::pair<std::uint16_t, int>, 48> kPrimary{{
    // Central European
    {0x05, 1250},
    {0x0E, 1250},
    {0x15, 1250},
    {0x18, 1250},
    {0x1B, 1250},
    {0x1C, 1250},
    {0x24, 1250},
    // Cyrillic
    {0x02, 1251},
    {0x19, 1251},
    {0x22, 1251},
    {0x23, 1251},
    {0x2F, 1251},
    {0x3F, 1251},
    {0x40, 1251},
    {0x44, 1251},
    {0x50, 1251},
    // Western
    {0x03, 1252},
    {0x06, 1252},
    {0x07, 1252},
    {0x09, 1252},
    {0x0A, 1252},
    {0x0B, 1252},
    {0x0C, 1252},
    {0x0F, 1252},
    {0x10, 1252},
    {0x13, 1252},
    {0x14, 1252},
    {0x16, 1252},
    {0x1D, 1252},
    {0x21, 1252},
    {0x2D, 1252},
    {0x36, 1252},
    {0x38, 1252},
    {0x3C, 1252},
    {0x3E, 1252},
    {0x41, 1252},
    {0x56, 1252},
    // Greek, Turkish, Hebrew, Arabic script, Baltic, Vietnamese, Thai
    {0x08, 1253},
    {0x1F, 1254},
    {0x0D, 1255},
    {0x01, 1256},
    {0x20, 1256},
    {0x29, 1256},
    {0x25, 1257},
    {0x26, 1257},
    {0x27, 1257},
    {0x2A, 1258},
    {0x1E, 874},
}};

// Languages written in two scripts: the sublanguages of the Cyrillic one.
constexpr bool CyrillicSublanguage(std::uint16_t primary, std::uint16_t sub) {
    switch (primary) {
    case 0x1A: // Croatian, Serbian, Bosnian
        return sub == 0x03 || sub == 0x07 || sub == 0x08 || sub == 0x0A || sub == 0x0C;
    case 0x2C: // Azerbaijani
    case 0x43: // Uzbek
        return sub == 0x02;
    default:
        return false;
    }
}

} // namespace

std::optional<int> CodePageOfLanguage(std::uint16_t langId) {
    const auto primary = static_cast<std::uint16_t>(langId & 0x3FF);
    const auto sub = static_cast<std::uint16_t>(langId >> 10);
    if (CyrillicSublanguage(primary, sub)) {
        return 1251;
    }
    if (primary == 0x1A) {
        return 1250;
    }
    if (primary == 0x2C || primary == 0x43) {
        return 1254;
    }
    const auto* found =
        std::find_if(kPrimary.begin(), kPrimary.end(),
                     [primary](const auto& entry) { return entry.first == primary; });
    if (found == kPrimary.end()) {
        return std::nullopt;
    }
    return found->second;
}

} // namespace kbd
