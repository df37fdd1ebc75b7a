#include "layout/fill_rules.h"

#include <gtest/gtest.h>

namespace kbd {
namespace {

struct Pair {
    const char* name;
    int codePage;
    std::uint8_t norm, shift;
    std::uint8_t ansi, caps;
};

class FillRules : public testing::TestWithParam<Pair> {};

// The rules on key 14, the first letter key, set to other characters, with ANSI and Caps
// Lock the opposite of what they should become: one change each, as the other 48 keys of the
// default layout are already as the rules make them.
TEST_P(FillRules, FollowTheCasesOfTheCodePage) {
    const Pair& pair = GetParam();
    KeyboardLayout layout = DefaultLayout();
    layout.NormalChar[13] = pair.norm;
    layout.ShiftChar[13] = pair.shift;
    layout.AnsiChar[13] = static_cast<std::uint8_t>(~pair.ansi);
    layout.CapsAffected[13] = pair.caps == 0 ? 1 : 0;
    const CodePage page = CodePage::Load(pair.codePage).value();
    EXPECT_EQ(FillAnsiByRuleOfThumb(layout, page), 1);
    EXPECT_EQ(SetCapsOnCasePairs(layout, page), 1);
    EXPECT_EQ(layout.AnsiChar[13], pair.ansi);
    EXPECT_EQ(layout.CapsAffected[13], pair.caps);
}

INSTANTIATE_TEST_SUITE_P(
    , FillRules,
    testing::Values(Pair{"LatinPair", 1250, 'a', 'A', 'A', 1},
                    Pair{"DigitAndSign", 1250, '1', '!', '1', 0},
                    // ё and Ё in 1251; the same bytes are a cedilla and a diaeresis in 1250.
                    Pair{"CyrillicPairIn1251", 1251, 0xB8, 0xA8, 0xA8, 1},
                    Pair{"SameBytesIn1250", 1250, 0xB8, 0xA8, 0xB8, 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kbd
