#include "codepage/code_page.h"

#include <gtest/gtest.h>

namespace kbd {
namespace {

// A missing code page throws here and fails the test that asked for it.
CodePage Page(int number) {
    return CodePage::Load(number).value();
}

struct Shown {
    const char* name;
    int codePage;
    int code;
    const char* text;
};

class ShownByte : public testing::TestWithParam<Shown> {};

TEST_P(ShownByte, ReadsAsTheWindowsShowIt) {
    EXPECT_EQ(Page(GetParam().codePage).shown(static_cast<std::uint8_t>(GetParam().code)),
              GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    , ShownByte,
    testing::Values(Shown{"Space", 1250, 0x20, " "}, Shown{"Hole", 1250, 0x81, "\uFFFD"},
                    Shown{"NothingForZero", 1250, 0, ""}, Shown{"ControlA", 1250, 1, "\u2401"},
                    Shown{"Control31", 1250, 31, "\u241F"}, Shown{"Delete", 1250, 127, "\u2421"},
                    Shown{"NoBreakSpace", 1250, 0xA0, "\u00A0"},
                    Shown{"CyrillicJe", 1251, 0xA3, "\u0408"},
                    Shown{"GraveOnCircle", 1258, 0xCC, "\u25CC\u0300"},
                    Shown{"ThaiMarkOnCircle", 874, 0xD1, "\u25CC\u0E31"}),
    [](const auto& info) { return std::string(info.param.name); });

// The upper case is a byte's only when the code page has it; else the byte is its own.
TEST(CaseFacts, GiveTheUpperCaseOnlyWhenThePageHasIt) {
    const std::tuple<int, std::uint8_t, bool, std::uint8_t> cases[] = {
        {1252, 0xFF, true, 0x9F}, // ÿ and Ÿ, far apart
        {1252, 0xB5, true, 0xB5}, // the micro sign's upper case is Greek
        {1250, 0x81, false, 0x81},
        {1250, '1', true, '1'}};
    for (const auto& [number, code, defined, upper] : cases) {
        const CodePage page = Page(number);
        EXPECT_EQ(page.defined(code), defined) << number << " " << int{code};
        EXPECT_EQ(page.upper(code), upper) << number << " " << int{code};
        EXPECT_EQ(page.lower(upper), code) << number << " " << int{code};
        EXPECT_EQ(page.isCasePair(code, upper), code != upper) << number << " " << int{code};
    }
}

// Turkish dotless i goes up to I, but I comes down to the dotted i.
TEST(CasePair, NeedsBothDirections) {
    const CodePage turkish = Page(1254);
    EXPECT_EQ(turkish.upper(0xFD), 'I');
    EXPECT_FALSE(turkish.isCasePair(0xFD, 'I'));
    EXPECT_TRUE(turkish.isCasePair('i', 'I'));
    EXPECT_FALSE(turkish.isCasePair('I', 'i'));
}

TEST(ByteFor, FindsTheOneByteOfACharacterAndNothingElse) {
    const CodePage cyrillic = Page(1251);
    EXPECT_EQ(cyrillic.byteFor(U'\u03C9'), std::nullopt); // Greek omega
    EXPECT_EQ(Page(1250).byteFor(U'\u20AC'), 0x80);
    // Vietnamese spells this letter as two bytes, so it has no one byte.
    EXPECT_EQ(Page(1258).byteFor(U'\u1EA0'), std::nullopt);
    for (int code = 0; code < 256; ++code) {
        const auto byte = static_cast<std::uint8_t>(code);
        if (const auto point = cyrillic.codePoint(byte)) {
            EXPECT_EQ(cyrillic.byteFor(*point), byte) << code;
        }
    }
}

TEST(CodePageNames, CaptionAndUnknownNumbers) {
    EXPECT_EQ(CodePageCaption(1250), "code page 1250 (Central European)");
    EXPECT_EQ(CodePageCaption(437), "code page 437");
    EXPECT_EQ(kDefaultCodePage, 1250);
    EXPECT_FALSE(CodePage::Load(99999).has_value());
    EXPECT_FALSE(CodePage::Load(0).has_value());
    // Latin 1 stands in for a page iconv lacks; its C1 controls have no picture.
    EXPECT_EQ(CodePage::LoadOrLatin1(99999).shown(0xE9), "\u00E9");
    EXPECT_EQ(CodePage::LoadOrLatin1(99999).shown(0x85), "\uFFFD");
    EXPECT_EQ(Scripts().size(), 10u);
}

} // namespace
} // namespace kbd
