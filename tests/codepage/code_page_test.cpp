#include "codepage/code_page.h"

#include <gtest/gtest.h>

namespace kbd {
namespace {

// A missing code page throws here and fails the test that asked for it.
CodePage Page(int number) {
    return CodePage::Load(number).value();
}

// Every length reads, and every kind of broken sequence is refused (0 stands for none): a
// stray continuation, an overlong form, a surrogate, past U+10FFFF, cut short, a bad follower.
TEST(ReadUtf8, TakesOneValidSequenceOrNothing) {
    const std::tuple<const char*, char32_t, std::size_t> texts[] = {
        {"Az", U'A', 1},
        {"\xC3\xA9z", U'\u00E9', 2},
        {"\xE2\x82\xAC", U'\u20AC', 3},
        {"\xF0\x9F\x98\x80", U'\U0001F600', 4},
        {"", 0, 0},
        {"\x80", 0, 0},
        {"\xC0\xAF", 0, 0},
        {"\xED\xA0\x80", 0, 0},
        {"\xF4\x90\x80\x80", 0, 0},
        {"\xE2\x82", 0, 0},
        {"\xC3(", 0, 0}};
    for (const auto& [text, point, length] : texts) {
        const auto read = ReadUtf8(std::string_view(text));
        EXPECT_EQ(read ? read->point : 0, point) << text;
        EXPECT_EQ(read ? read->length : 0, length) << text;
        if (read) {
            EXPECT_EQ(Utf8(point), std::string_view(text).substr(0, length)) << text;
        }
    }
}

// Nothing for 0, a picture for a control code, a mark on a dotted circle, U+FFFD for a hole.
TEST(ShownByte, ReadsAsTheWindowsShowIt) {
    const std::tuple<const char*, int, std::uint8_t, const char*> bytes[] = {
        {"space", 1250, 0x20, " "},
        {"hole", 1250, 0x81, "\uFFFD"},
        {"zero", 1250, 0, ""},
        {"control A", 1250, 1, "\u2401"},
        {"control 31", 1250, 31, "\u241F"},
        {"delete", 1250, 127, "\u2421"},
        {"no-break space", 1250, 0xA0, "\u00A0"},
        {"Cyrillic Je", 1251, 0xA3, "\u0408"},
        {"grave accent", 1258, 0xCC, "\u25CC\u0300"},
        {"Thai mark", 874, 0xD1, "\u25CC\u0E31"}};
    for (const auto& [what, number, code, text] : bytes) {
        EXPECT_EQ(Page(number).shown(code), text) << what;
    }
}

// The upper case is a byte's only when the code page has it; else the byte is its own. A
// pair needs both directions: ÿ goes up to Ÿ and Ÿ comes down to ÿ.
TEST(CaseFacts, GiveTheUpperCaseOnlyWhenThePageHasIt) {
    const std::tuple<int, std::uint8_t, bool, std::uint8_t, bool> cases[] = {
        {1252, 0xFF, true, 0x9F, true},  // ÿ and Ÿ, far apart
        {1252, 0xB5, true, 0xB5, false}, // the micro sign's upper case is Greek
        {1250, 0x81, false, 0x81, false}, {1250, '1', true, '1', false},
        {1254, 0xFD, true, 'I', true},    {1254, 'i', true, 0xDD, true}};
    for (const auto& [number, code, defined, upper, pair] : cases) {
        const CodePage page = Page(number);
        EXPECT_EQ(page.defined(code), defined) << number << " " << int{code};
        EXPECT_EQ(page.upper(code), upper) << number << " " << int{code};
        EXPECT_EQ(page.lower(upper) == code, pair || code == upper) << number << " " << int{code};
        EXPECT_EQ(page.isCasePair(code, upper), pair) << number << " " << int{code};
        EXPECT_FALSE(page.isCasePair(upper, code)) << number << " " << int{code};
    }
}

// Caps Lock pairs as each code page's language writes them, one row a pair.
TEST(LanguageCase, PairsLettersAsTheCodePagesLanguageDoes) {
    const std::tuple<const char*, int, std::uint8_t, std::uint8_t, bool> rows[] = {
        {"Turkish i is not the small I", 1254, 'i', 'I', false},
        {"Turkish dotless i is no capital dotted I", 1254, 0xFD, 0xDD, false},
        {"Western i and I", 1252, 'i', 'I', true},
        {"Western i and Y acute", 1252, 'i', 0xDD, false},
        {"Greek final sigma", 1253, 0xF2, 0xD3, true},
        {"Greek sigma", 1253, 0xF3, 0xD3, true},
        {"Greek micro sign is no mu", 1253, 0xB5, 0xCC, false},
    };
    for (const auto& [what, number, norm, shift, pair] : rows) {
        EXPECT_EQ(Page(number).isCasePair(norm, shift), pair) << what;
    }
    // Where the pair goes one way only, the capital still lowers to its own small letter.
    EXPECT_EQ(Page(1253).lower(0xD3), 0xF3);
    EXPECT_EQ(Page(1253).upper(0xB5), 0xB5);
}

TEST(LetterScripts, NameTheScriptOfLettersOnly) {
    EXPECT_EQ(Page(1251).script(0xE0), LetterScript::Cyrillic);
    EXPECT_EQ(Page(1250).script(0xE0), LetterScript::Latin);
    EXPECT_EQ(Page(1256).script(0xC7), LetterScript::Arabic);
    EXPECT_EQ(Page(1256).script(0xA1), LetterScript::None); // Arabic comma
    EXPECT_EQ(Page(1253).script(0xB5), LetterScript::None); // micro sign
    EXPECT_EQ(Page(1255).script('1'), LetterScript::None);
    EXPECT_EQ(Page(1250).script(0x81), LetterScript::None);
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
    EXPECT_FALSE(CodePage::Load(99999).has_value());
    EXPECT_FALSE(CodePage::Load(0).has_value());
    // Latin 1 stands in for a page iconv lacks; its C1 controls have no picture.
    EXPECT_EQ(CodePage::LoadOrLatin1(99999).shown(0xE9), "\u00E9");
    EXPECT_EQ(CodePage::LoadOrLatin1(99999).shown(0x85), "\uFFFD");
    EXPECT_EQ(Scripts().size(), 10u);
}

} // namespace
} // namespace kbd
