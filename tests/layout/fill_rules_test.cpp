#include "layout/fill_rules.h"

#include <gtest/gtest.h>
#include <tuple>

namespace kbd {
namespace {

// The rules on key 14, the first letter key, set to other characters, with ANSI and Caps
// Lock the opposite of what they should become: one change each, as the other 48 keys of the
// default layout are already as the rules make them.
TEST(FillRules, FollowTheCasesOfTheCodePage) {
    const std::tuple<const char*, int, std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t>
        keys[] = {{"Latin pair", 1250, 'a', 'A', 'A', 1},
                  {"digit and sign", 1250, '1', '!', '1', 0},
                  // ё and Ё in 1251; the same bytes are a cedilla and a diaeresis in 1250.
                  {"Cyrillic pair in 1251", 1251, 0xB8, 0xA8, 0xA8, 1},
                  {"the same bytes in 1250", 1250, 0xB8, 0xA8, 0xB8, 0}};
    for (const auto& [what, number, norm, shift, ansi, caps] : keys) {
        KeyboardLayout layout = DefaultLayout();
        layout.NormalChar[13] = norm, layout.ShiftChar[13] = shift;
        layout.AnsiChar[13] = static_cast<std::uint8_t>(~ansi), layout.CapsAffected[13] = !caps;
        const CodePage page = CodePage::Load(number).value();
        EXPECT_EQ(FillAnsiByRuleOfThumb(layout, page), 1) << what;
        EXPECT_EQ(SetCapsOnCasePairs(layout, page), 1) << what;
        EXPECT_EQ(layout.AnsiChar[13], ansi) << what;
        EXPECT_EQ(layout.CapsAffected[13], caps) << what;
    }
}

// Key 14 (Q, Caps Lock on it in the default layout) in 1250; the other nine Caps keys with an
// AltGr character (\ | [ ] ł Ł @ { } §) change too, ł to Ł and the rest to themselves.
TEST(FillRules, KeepAltGrUnderCapsGivesShiftAltGr) {
    const std::tuple<const char*, std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t> keys[] = {
        {"letter pair", 0xB9 /* ą */, 1, 0, 0xA5 /* Ą */},
        {"capital", 0xA5, 1, 0x20, 0xA5},
        {"sign", '$', 1, 0, '$'},
        {"own character kept", 0xB9, 1, '!', '!'},
        {"no Caps Lock", 0xB9, 0, 0, 0},
        {"no AltGr character", 0x20, 1, 0, 0}};
    const CodePage page = CodePage::Load(1250).value();
    for (const auto& [what, altGr, caps, shiftAltGr, expected] : keys) {
        KeyboardLayout layout = DefaultLayout();
        layout.AltGrChar[13] = altGr, layout.CapsAffected[13] = caps;
        layout.ShiftAltGrChar[13] = shiftAltGr;
        EXPECT_EQ(KeepAltGrUnderCaps(layout, page), 9 + (expected != shiftAltGr)) << what;
        EXPECT_EQ(layout.ShiftAltGrChar[13], expected) << what;
        EXPECT_EQ(layout.ShiftAltGrChar[33], 0xA3) << what;
    }
}

} // namespace
} // namespace kbd
