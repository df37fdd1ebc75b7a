#include "codepage/code_page.h"

#include <gtest/gtest.h>

namespace kbd {
namespace {

CodePage Page(int number) {
    const auto page = CodePage::Load(number);
    if (!page) {
        ADD_FAILURE() << "iconv lacks code page " << number;
        return CodePage::Latin1();
    }
    return *page;
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
    Bytes, ShownByte,
    testing::Values(Shown{"LetterA", 1250, 0x41, "A"}, Shown{"Space", 1250, 0x20, " "},
                    Shown{"Ampersand", 1250, 0x26, "&"}, Shown{"SCaron", 1250, 0x8A, "\u0160"},
                    Shown{"LStroke", 1250, 0xA3, "\u0141"}, Shown{"DotAbove", 1250, 0xFF, "\u02D9"},
                    Shown{"Hole81", 1250, 0x81, "\uFFFD"}, Shown{"Hole98", 1250, 0x98, "\uFFFD"},
                    Shown{"NothingForZero", 1250, 0, ""}, Shown{"ControlA", 1250, 1, "\u2401"},
                    Shown{"Control31", 1250, 31, "\u241F"}, Shown{"Delete", 1250, 127, "\u2421"},
                    Shown{"NoBreakSpace", 1250, 0xA0, "\u00A0"},
                    Shown{"CyrillicJe", 1251, 0xA3, "\u0408"},
                    Shown{"GraveOnCircle", 1258, 0xCC, "\u25CC\u0300"},
                    Shown{"HebrewPointOnCircle", 1255, 0xC0, "\u25CC\u05B0"},
                    Shown{"ThaiMarkOnCircle", 874, 0xD1, "\u25CC\u0E31"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Case {
    const char* name;
    int codePage;
    int code;
    bool defined;
    int upper;
};

class CaseFacts : public testing::TestWithParam<Case> {};

TEST_P(CaseFacts, GiveTheUpperCaseOnlyWhenThePageHasIt) {
    const CodePage page = Page(GetParam().codePage);
    const auto code = static_cast<std::uint8_t>(GetParam().code);
    EXPECT_EQ(page.defined(code), GetParam().defined);
    EXPECT_EQ(page.upper(code), GetParam().upper);
    if (page.upper(code) != code) {
        EXPECT_EQ(page.lower(page.upper(code)), code);
        EXPECT_TRUE(page.isCasePair(code, page.upper(code)));
    } else {
        EXPECT_FALSE(page.isCasePair(code, code));
    }
}

INSTANTIATE_TEST_SUITE_P(Letters, CaseFacts,
                         testing::Values(Case{"AOgonek", 1250, 0xB9, true, 0xA5},
                                         Case{"SharpS", 1250, 0xDF, true, 0xDF},
                                         Case{"Hole", 1250, 0x81, false, 0x81},
                                         Case{"YDiaeresisFarAway", 1252, 0xFF, true, 0x9F},
                                         Case{"MicroSign", 1252, 0xB5, true, 0xB5},
                                         Case{"CyrillicSha", 1251, 0xF8, true, 0xD8},
                                         Case{"Digit", 1250, '1', true, '1'}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CasePair, NeedsBothDirections) {
    // Turkish dotless i goes up to I, but I comes down to the dotted i.
    const CodePage turkish = Page(1254);
    EXPECT_EQ(turkish.upper(0xFD), 'I');
    EXPECT_FALSE(turkish.isCasePair(0xFD, 'I'));
    EXPECT_TRUE(turkish.isCasePair('i', 'I'));
    EXPECT_FALSE(turkish.isCasePair('I', 'i'));
}

TEST(ByteFor, FindsTheOneByteOfACharacterAndNothingElse) {
    const CodePage cyrillic = Page(1251);
    EXPECT_EQ(cyrillic.byteFor(U'\u0448'), 0xF8);
    EXPECT_EQ(cyrillic.byteFor(U'a'), 'a');
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
    EXPECT_EQ(CodePageCaption(1252), "code page 1252 (Western)");
    EXPECT_EQ(CodePageCaption(437), "code page 437");
    EXPECT_EQ(kDefaultCodePage, 1250);
    EXPECT_FALSE(CodePage::Load(99999).has_value());
    EXPECT_FALSE(CodePage::Load(0).has_value());
    EXPECT_EQ(CodePage::LoadOrLatin1(99999).shown(0xE9), "\u00E9");
    EXPECT_EQ(Scripts().size(), 10u);
}

} // namespace
} // namespace kbd
