// Real xkeyboard-config layouts, compiled by libxkbcommon as the editor and kbdtool do,
// against what was worked out by hand from their symbols files.
#include "layout/fill_rules.h"
#include "system_layouts/layout_from_xkb.h"

#include <gtest/gtest.h>
#include <set>

namespace kbd {
namespace {

CodePage Page(int number) {
    const auto page = CodePage::Load(number);
    EXPECT_TRUE(page) << "iconv lacks CP" << number;
    return page.value_or(CodePage::Latin1());
}

BuiltLayout Build(const char* name, const char* variant, int codePage) {
    auto built = BuildSystemLayout(name, variant, Page(codePage));
    EXPECT_TRUE(built) << name << "(" << variant << ") does not compile";
    return built.value_or(BuiltLayout{DefaultLayout(), {}});
}

std::vector<std::string> Lines(const BuiltLayout& built, int codePage) {
    std::vector<std::string> lines;
    for (const NotCarried& item : built.notCarried) {
        lines.push_back(NotCarriedText(item, Page(codePage)));
    }
    return lines;
}

TEST(BuildSystemLayout, UsIsTheDefaultTypewriterBlock) {
    const BuiltLayout built = Build("us", "", 1250);
    KeyboardLayout expected = DefaultLayout();
    // The built-in layout has Serbian Latin AltGr characters; "us" has a third level on
    // one key only, the one beside the left Shift key (pc105's bar).
    expected.AltGrChar.fill(0x20);
    expected.AltGrChar[47] = '|';
    // The built-in decimal key types the comma of Serbian; "us" types a period.
    expected.NormalChar[48] = expected.ShiftChar[48] = expected.AnsiChar[48] = '.';
    EXPECT_EQ(built.layout, expected);
    EXPECT_TRUE(built.notCarried.empty());
}

enum class Field { VirtualKey, Norm, Shift, AltGr, Ansi, Caps };

struct Fact {
    int key; // 1..49
    Field field;
    int value;
};

struct Case {
    const char* name;
    const char* layout;
    const char* variant;
    int codePage;
    std::vector<Fact> facts;
    int lost;                       // how many characters were not carried; -1: not counted
    std::vector<std::string> lines; // some of their lines, in their order
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

int Value(const KeyboardLayout& layout, const Fact& fact) {
    const int i = fact.key - 1;
    switch (fact.field) {
    case Field::VirtualKey:
        return layout.VirtualKey[i];
    case Field::Norm:
        return layout.NormalChar[i];
    case Field::Shift:
        return layout.ShiftChar[i];
    case Field::AltGr:
        return layout.AltGrChar[i];
    case Field::Ansi:
        return layout.AnsiChar[i];
    case Field::Caps:
        return layout.CapsAffected[i];
    }
    return -1;
}

class SystemLayoutRow : public testing::TestWithParam<Case> {};

TEST_P(SystemLayoutRow, HasTheHandCheckedBytesAndLosses) {
    const Case& c = GetParam();
    const BuiltLayout built = Build(c.layout, c.variant, c.codePage);
    for (const Fact& fact : c.facts) {
        EXPECT_EQ(Value(built.layout, fact), fact.value)
            << "key " << fact.key << " field " << static_cast<int>(fact.field);
    }
    EXPECT_EQ(built.layout.ScanCode, DefaultLayout().ScanCode);
    const std::set<int> codes(built.layout.VirtualKey.begin(), built.layout.VirtualKey.end());
    EXPECT_EQ(codes.size(), 49u);
    if (c.lost >= 0) {
        EXPECT_EQ(built.notCarried.size(), static_cast<std::size_t>(c.lost));
    }
    const std::vector<std::string> lines = Lines(built, c.codePage);
    auto from = lines.begin();
    for (const std::string& line : c.lines) {
        const auto at = std::find(from, lines.end(), line);
        EXPECT_NE(at, lines.end()) << "no line, or out of order: " << line;
        from = at == lines.end() ? from : at;
    }
}

using F = Field;

INSTANTIATE_TEST_SUITE_P(
    , SystemLayoutRow,
    testing::Values(
        // German: QWERTZ, dead accents on the keys beside the digits and the Backspace.
        Case{"German1250",
             "de",
             "",
             1250,
             {{19, F::Norm, 'z'},        {19, F::VirtualKey, 0x5A}, {38, F::Norm, 'y'},
              {38, F::VirtualKey, 0x59}, {13, F::Norm, 0xB4},       {13, F::Shift, '`'},
              {13, F::AltGr, 0xB8},      {13, F::Ansi, 0xB4},       {13, F::VirtualKey, 0xBB},
              {1, F::Norm, '^'},         {1, F::Shift, 0xB0},       {1, F::AltGr, 0x20},
              {12, F::Norm, 0xDF},       {12, F::Ansi, 0xDF},       {12, F::Caps, 0},
              {12, F::VirtualKey, 0xBD}, {24, F::Norm, 0xFC},       {24, F::Shift, 0xDC},
              {24, F::Ansi, 0xDC},       {24, F::Caps, 1},          {24, F::VirtualKey, 0xDB},
              {14, F::AltGr, '@'},       {49, F::Norm, ','},        {49, F::VirtualKey, 0x6E}},
             21,
             {"key 1 AltGr: U+2032 \u2032 is not in code page 1250; left empty",
              "key 33 AltGr: dead_belowdot has no character; left empty",
              "key 40 AltGr: U+00A2 \u00A2 is not in code page 1250; left empty"}},
        // French AZERTY: A, Q, W, Z and M move; the M place types a comma and, as both
        // its default code (M) and the comma's code (held by the next key) are taken,
        // takes the first free spare one.
        Case{"French1252",
             "fr",
             "",
             1252,
             {{14, F::VirtualKey, 0x41},
              {27, F::VirtualKey, 0x51},
              {36, F::VirtualKey, 0x4D},
              {15, F::VirtualKey, 0x5A},
              {38, F::VirtualKey, 0x57},
              {44, F::Norm, ','},
              {44, F::VirtualKey, 0xBA},
              {45, F::VirtualKey, 0xBC},
              {3, F::Norm, 0xE9},
              {3, F::Shift, '2'},
              {3, F::Ansi, 0xE9},
              {3, F::Caps, 0},
              {3, F::VirtualKey, 0x32},
              {24, F::Norm, '^'},
              {24, F::Shift, 0xA8},
              {49, F::Norm, '.'}},
             12,
             {"key 18 AltGr: U+0167 \u0167 is not in code page 1252; left empty",
              "key 33 AltGr: dead_hook has no character; left empty"}},
        // Russian where it belongs: every letter pair is a case pair and the codes stay
        // those of the places.
        Case{"Russian1251",
             "ru",
             "",
             1251,
             {{1, F::Norm, 0xB8},
              {1, F::Shift, 0xA8},
              {1, F::Ansi, 0xA8},
              {1, F::Caps, 1},
              {1, F::VirtualKey, 0xC0},
              {14, F::Norm, 0xE9},
              {14, F::Ansi, 0xC9},
              {14, F::VirtualKey, 0x51},
              {4, F::Shift, 0xB9},
              {47, F::Norm, '.'},
              {47, F::Shift, ','},
              {47, F::VirtualKey, 0xBF},
              {48, F::Norm, '/'},
              {48, F::AltGr, '|'},
              {48, F::VirtualKey, 0xE2},
              {49, F::Norm, ','}},
             1,
             {"key 9 AltGr: U+20BD \u20BD is not in code page 1251; left empty"}},
        // Russian in a Latin code page: 33 keys of Cyrillic letters keep the default
        // Latin bytes, two characters each, besides the numero sign and the rouble.
        Case{"Russian1250",
             "ru",
             "",
             1250,
             {{1, F::Norm, '`'},
              {14, F::Norm, 'q'},
              {14, F::Shift, 'Q'},
              {14, F::Caps, 1},
              {4, F::Shift, '#'},
              {5, F::Shift, ';'},
              {47, F::Norm, '.'},
              {47, F::Shift, ','},
              {26, F::Shift, '/'},
              {9, F::AltGr, 0x20}},
             68,
             {"key 1 Norm: U+0451 \u0451 is not in code page 1250; kept `",
              "key 1 Shift: U+0401 \u0401 is not in code page 1250; kept ~",
              "key 4 Shift: U+2116 \u2116 is not in code page 1250; kept #",
              "key 9 AltGr: U+20BD \u20BD is not in code page 1250; left empty",
              "key 14 Norm: U+0439 \u0439 is not in code page 1250; kept q",
              "key 46 Shift: U+042E \u042E is not in code page 1250; kept >"}},
        // Arabic (Pakistan) puts U+0003 on a few levels: no key's character, so the
        // default stays.
        Case{"PakistaniArabic1256",
             "pk",
             "ara",
             1256,
             {{3, F::Norm, '2'},
              {3, F::Shift, '@'},
              {47, F::Norm, '/'},
              {47, F::Shift, 0xBF},
              {47, F::Ansi, '/'},
              {44, F::Norm, 0xE3},
              {44, F::Shift, 'M'},
              {44, F::Caps, 0},
              {44, F::VirtualKey, 'M'}},
             -1,
             {"key 3 Norm: U+06F2 \u06F2 is not in code page 1256; kept 2",
              "key 3 Shift: U+0003 is a space or a control character; kept @",
              "key 47 Norm: U+0003 is a space or a control character; kept /"}}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(BuildSystemLayout, RussianIn1251KeepsThePositionalCodesAndPairsEveryLetter) {
    const BuiltLayout built = Build("ru", "", 1251);
    EXPECT_EQ(built.layout.VirtualKey, DefaultLayout().VirtualKey);
    // Caps Lock on ё and on the 32 letters of the three rows, as Russian keyboards have it.
    const char* caps = "1000000000000111111111111011111111111111111111000";
    for (int i = 0; i < kKeyCount; ++i) {
        EXPECT_EQ(built.layout.CapsAffected[i], caps[i] - '0') << "key " << i + 1;
    }
}

TEST(BuildSystemLayout, RussianIn1250KeepsTheDefaultBytesOfEveryLetterKey) {
    const BuiltLayout built = Build("ru", "", 1250);
    const KeyboardLayout& defaults = DefaultLayout();
    for (int key : {1, 14, 20, 25, 27, 37, 38, 46}) {
        EXPECT_EQ(built.layout.NormalChar[key - 1], defaults.NormalChar[key - 1]) << key;
        EXPECT_EQ(built.layout.ShiftChar[key - 1], defaults.ShiftChar[key - 1]) << key;
        EXPECT_EQ(built.layout.AnsiChar[key - 1], defaults.AnsiChar[key - 1]) << key;
    }
    EXPECT_EQ(built.layout.VirtualKey, defaults.VirtualKey);
    EXPECT_EQ(built.layout.CapsAffected, defaults.CapsAffected);
}

// VoidSymbol marks a level on purpose left without a keysym: nothing to carry, nothing
// to report.
TEST(BuildSystemLayout, VoidSymbolIsALevelWithoutAKeysym) {
    const BuiltLayout built = Build("ara", "buckwalter", 1256);
    EXPECT_EQ(built.layout.NormalChar[15], 'e');
    EXPECT_EQ(built.layout.ShiftChar[15], 0xDA);  // ain
    EXPECT_EQ(built.layout.NormalChar[13], 0xDE); // qaf
    EXPECT_EQ(built.layout.ShiftChar[13], 'Q');
    EXPECT_EQ(built.layout.CapsAffected[39], 1); // c and C, both kept
    for (const NotCarried& item : built.notCarried) {
        EXPECT_NE(item.keysym, "VoidSymbol") << "key " << item.key;
    }
}

TEST(BuildSystemLayout, BuiltLayoutsAreFixedPointsOfTheFillRules) {
    for (const char* name : {"de", "fr", "ru", "gr", "rs"}) {
        const CodePage page = Page(1251);
        KeyboardLayout layout = Build(name, "", 1251).layout;
        EXPECT_EQ(FillAnsiByRuleOfThumb(layout, page), 0) << name;
        EXPECT_EQ(SetCapsOnCasePairs(layout, page), 0) << name;
    }
}

// The codes are distinct for any layout, not only for the ones worked out by hand; and
// whatever the registry lists, libxkbcommon compiles, but "custom": a place for a layout
// of the machine's owner, which xkeyboard-config lists without a file.
TEST(BuildSystemLayout, EveryListedLayoutCompilesWithDistinctCodes) {
    const auto layouts = ListSystemLayouts();
    ASSERT_TRUE(layouts);
    const CodePage page = Page(1252);
    for (const SystemLayout& layout : *layouts) {
        const auto built = BuildSystemLayout(layout, page);
        if (!built) {
            EXPECT_EQ(LayoutId(layout), "custom");
            continue;
        }
        const KeyBytes& codes = built->layout.VirtualKey;
        EXPECT_EQ(std::set<int>(codes.begin(), codes.end()).size(), 49u) << LayoutId(layout);
    }
}

struct Refused {
    const char* name;
    const char* layout;
    const char* variant;
};

void PrintTo(const Refused& r, std::ostream* os) {
    *os << r.name;
}

class RefusedName : public testing::TestWithParam<Refused> {};

TEST_P(RefusedName, BuildsNothing) {
    EXPECT_FALSE(BuildSystemLayout(GetParam().layout, GetParam().variant, Page(1250)));
}

INSTANTIATE_TEST_SUITE_P(
    , RefusedName,
    testing::Values(Refused{"UnknownLayout", "zz", ""},
                    Refused{"UnknownVariant", "de", "nosuchvariant"},
                    // Empty, libxkbcommon would take the rules' default layout.
                    Refused{"EmptyName", "", ""}, Refused{"EmptyNameWithVariant", "", "nodeadkeys"},
                    // Two layouts would be two groups.
                    Refused{"TwoLayouts", "de,ru", ""}, Refused{"PathInName", "../de", ""}),
    [](const testing::TestParamInfo<Refused>& info) { return std::string(info.param.name); });

} // namespace
} // namespace kbd
