// Real xkeyboard-config layouts, compiled by libxkbcommon as the editor and kbdtool do,
// against what was worked out by hand from their symbols files.
#include "key_text.h"
#include "layout/fill_rules.h"
#include "system_layouts/layout_from_xkb.h"

#include <gtest/gtest.h>
#include <set>

namespace kbd {
namespace {

TEST(BuildSystemLayout, UsIsTheDefaultTypewriterBlock) {
    const auto built = BuildSystemLayout("us", "", *CodePage::Load(1250));
    ASSERT_TRUE(built);
    KeyboardLayout expected = DefaultLayout();
    // The built-in layout has Serbian Latin AltGr characters; "us" has a third level on
    // one key only, the one beside the left Shift key (pc105's bar).
    expected.AltGrChar.fill(0x20);
    expected.AltGrChar[47] = '|';
    // The built-in decimal key types the comma of Serbian; "us" types a period.
    expected.NormalChar[48] = expected.ShiftChar[48] = expected.AnsiChar[48] = '.';
    EXPECT_EQ(built->layout, expected);
    EXPECT_TRUE(built->notCarried.empty());
}

struct Row {
    const char* name;
    const char* layout; // name(variant)
    int codePage;
    std::vector<std::string> keys;  // as KeyText writes them
    std::size_t lost;               // how many characters were not carried
    std::vector<std::string> lines; // some of their lines, in their order
    const char* caps; // Caps Lock of the 49 keys, with the codes of the places; or nullptr
};

class SystemLayoutRow : public testing::TestWithParam<Row> {};

TEST_P(SystemLayoutRow, HasTheHandCheckedKeysAndLosses) {
    const Row& row = GetParam();
    const CodePage page = *CodePage::Load(row.codePage);
    const auto built = BuildSystemLayout(ParseLayoutId(row.layout).value(), page);
    ASSERT_TRUE(built);
    KeyboardLayout layout = built->layout;
    for (const std::string& key : row.keys) {
        EXPECT_EQ(KeyText(layout, std::stoi(key)), key);
    }
    if (row.caps != nullptr) {
        EXPECT_EQ(layout.VirtualKey, DefaultLayout().VirtualKey);
        for (int i = 0; i < kKeyCount; ++i) {
            EXPECT_EQ(layout.CapsAffected[i], row.caps[i] - '0') << "key " << i + 1;
        }
    }
    EXPECT_EQ(built->notCarried.size(), row.lost);
    std::vector<std::string> lines;
    for (const NotCarried& item : built->notCarried) {
        lines.push_back(NotCarriedText(item, page));
    }
    auto from = lines.begin();
    for (const std::string& line : row.lines) {
        from = std::find(from, lines.end(), line);
        EXPECT_NE(from, lines.end()) << "no line, or out of order: " << line;
    }
    // The Edit menu's rules change nothing on a layout built with them.
    EXPECT_EQ(FillAnsiByRuleOfThumb(layout, page), 0);
    EXPECT_EQ(SetCapsOnCasePairs(layout, page), 0);
}

INSTANTIATE_TEST_SUITE_P(
    , SystemLayoutRow,
    testing::Values(
        // QWERTZ; dead acute, grave and cedilla beside Backspace become the accents; ü is
        // a letter pair but no Latin letter, so its place keeps its code.
        Row{"German1250",
            "de",
            1250,
            {"13: BB B4 60 B8 B4 0", "19: 5A 7A 5A 20 5A 1", "24: DB FC DC A8 DC 1",
             "38: 59 79 59 BB 59 1"},
            21,
            {"key 1 AltGr: U+2032 \u2032 is not in code page 1250; left empty",
             "key 33 AltGr: dead_belowdot has no character; left empty"},
            nullptr},
        Row{"GermanNoDeadKeys1250",
            "de(nodeadkeys)",
            1250,
            {"1: C0 5E B0 AC 5E 0"},
            20,
            {},
            nullptr},
        // AZERTY: A, Q and M move; the M place types a comma and, as both its default code
        // (M) and the comma's code (held by the next key) are taken, takes the first free
        // spare one. é and 2 are no letter pair, so ANSI is é.
        Row{"French1252",
            "fr",
            1252,
            {"3: 32 E9 32 7E E9 0", "14: 41 61 41 E6 41 1", "24: DB 5E A8 A8 5E 0",
             "27: 51 71 51 40 51 1", "36: 4D 6D 4D B5 4D 1", "44: BA 2C 3F B4 2C 0"},
            12,
            {"key 18 AltGr: U+0167 \u0167 is not in code page 1252; left empty"},
            nullptr},
        // Every letter a case pair, ё included, and the codes those of the places.
        Row{"Russian1251",
            "ru",
            1251,
            {"1: C0 B8 A8 20 A8 1", "4: 33 33 B9 20 33 0", "14: 51 E9 C9 20 C9 1",
             "47: BF 2E 2C 20 2E 0", "48: E2 2F 7C 7C 2F 0", "49: 6E 2C 2C 20 2C 0"},
            1,
            {"key 9 AltGr: U+20BD \u20BD is not in code page 1251; left empty"},
            "1000000000000111111111111011111111111111111111000"},
        // In a Latin code page the 33 letter keys keep the default bytes, two characters
        // each, besides the numero sign and the rouble.
        Row{"Russian1250",
            "ru",
            1250,
            {"1: C0 60 7E 20 60 0", "4: 33 33 23 20 33 0", "14: 51 71 51 20 51 1",
             "46: BE 2E 3E 20 2E 0"},
            68,
            {"key 1 Norm: U+0451 \u0451 is not in code page 1250; kept `",
             "key 4 Shift: U+2116 \u2116 is not in code page 1250; kept #",
             "key 9 AltGr: U+20BD \u20BD is not in code page 1250; left empty",
             "key 46 Shift: U+042E \u042E is not in code page 1250; kept >"},
            "0000000000000111111111100011111111100111111100000"}),
    [](const auto& info) { return std::string(info.param.name); });

// The codes are distinct for any layout, not only for the ones worked out by hand; and
// whatever the registry lists, libxkbcommon compiles, but "custom": a place for a layout
// of the machine's owner, which xkeyboard-config lists without a file.
TEST(BuildSystemLayout, EveryListedLayoutCompilesWithDistinctCodes) {
    const auto layouts = ListSystemLayouts();
    ASSERT_TRUE(layouts);
    const CodePage page = *CodePage::Load(1252);
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

// An empty name would be the rules' default layout, two names two groups.
TEST(BuildSystemLayout, RefusesWhatIsNoOneLayout) {
    const std::pair<const char*, const char*> names[] = {
        {"zz", ""}, {"de", "nosuchvariant"}, {"", ""}, {"de,ru", ""}, {"../de", ""}};
    for (const auto& [name, variant] : names) {
        EXPECT_FALSE(BuildSystemLayout(name, variant, *CodePage::Load(1250))) << name << variant;
    }
}

} // namespace
} // namespace kbd
