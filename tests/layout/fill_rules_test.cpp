#include "layout/fill_rules.h"

#include <gtest/gtest.h>

namespace kbd {
namespace {

CodePage Page(int number) {
    const auto page = CodePage::Load(number);
    EXPECT_TRUE(page) << "iconv lacks CP" << number;
    return page.value_or(CodePage::Latin1());
}

TEST(FillRules, TheDefaultLayoutIsAFixedPointOfBoth) {
    const CodePage page = Page(kDefaultCodePage);
    KeyboardLayout layout = DefaultLayout();
    EXPECT_EQ(FillAnsiByRuleOfThumb(layout, page), 0);
    EXPECT_EQ(SetCapsOnCasePairs(layout, page), 0);
    EXPECT_EQ(layout, DefaultLayout());
}

struct Pair {
    const char* name;
    int codePage;
    std::uint8_t norm, shift;
    std::uint8_t ansi, caps;
};

void PrintTo(const Pair& pair, std::ostream* os) {
    *os << pair.name;
}

class FillRulesOnOneKey : public testing::TestWithParam<Pair> {};

// The rules on key 14, the first letter key, after it was set to other characters, with
// ANSI and Caps Lock left as the opposite of what they should become. One change each:
// the other 48 keys were already as the rules make them.
TEST_P(FillRulesOnOneKey, FollowTheCasesOfTheCodePage) {
    const Pair& pair = GetParam();
    KeyboardLayout layout = DefaultLayout();
    layout.NormalChar[13] = pair.norm;
    layout.ShiftChar[13] = pair.shift;
    layout.AnsiChar[13] = static_cast<std::uint8_t>(~pair.ansi);
    layout.CapsAffected[13] = pair.caps == 0 ? 1 : 0;
    const CodePage page = Page(pair.codePage);
    EXPECT_EQ(FillAnsiByRuleOfThumb(layout, page), 1);
    EXPECT_EQ(SetCapsOnCasePairs(layout, page), 1);
    EXPECT_EQ(layout.AnsiChar[13], pair.ansi);
    EXPECT_EQ(layout.CapsAffected[13], pair.caps);
}

INSTANTIATE_TEST_SUITE_P(
    , FillRulesOnOneKey,
    testing::Values(Pair{"LatinPair", 1250, 'a', 'A', 'A', 1},
                    // ё and Ё in 1251; the same bytes are a cedilla and a diaeresis in 1250.
                    Pair{"CyrillicPairIn1251", 1251, 0xB8, 0xA8, 0xA8, 1},
                    Pair{"SameBytesIn1250", 1250, 0xB8, 0xA8, 0xB8, 0},
                    Pair{"ReversedCases", 1250, 'A', 'a', 'A', 0},
                    Pair{"OneLetterTwice", 1250, 'a', 'a', 'a', 0},
                    Pair{"DigitAndSign", 1250, '1', '!', '1', 0},
                    // The sharp s has no upper case in a code page: not a pair with ?.
                    Pair{"SharpS", 1250, 0xDF, '?', 0xDF, 0},
                    // ÿ and Ÿ are a pair in 1252 only, where Ÿ has a byte.
                    Pair{"YDiaeresisIn1252", 1252, 0xFF, 0x9F, 0x9F, 1}),
    [](const testing::TestParamInfo<Pair>& info) { return std::string(info.param.name); });

} // namespace
} // namespace kbd
