// Real xkeyboard-config layouts, compiled by libxkbcommon as the editor and kbdtool do,
// against what was worked out by hand from their symbols files; and edges that no layout
// of xkeyboard-config reaches, on a symbols file of our own.
#include "layout/dead_keys.h"
#include "layout/fill_rules.h"
#include "layout/script_reading.h"
#include "system_layouts/layout_from_xkb.h"
#include "temp_folder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <tuple>

namespace kbd {
namespace {

// "13: BB B4 60 B8 B4 0 B2" for key 13 (1..49): its virtual-key code, Norm, Shift, AltGr and
// ANSI characters and its Caps-Lock flag.
std::string KeyText(const KeyboardLayout& layout, int key) {
    const int i = key - 1;
    char text[40];
    const int n = std::snprintf(text, sizeof text, "%d: %02X %02X %02X %02X %02X %d", key,
                                layout.VirtualKey[i], layout.NormalChar[i], layout.ShiftChar[i],
                                layout.AltGrChar[i], layout.AnsiChar[i], layout.CapsAffected[i]);
    if (layout.ShiftAltGrChar[i] != 0) { // the Shift+AltGr character, where the key has one
        std::snprintf(text + n, sizeof text - static_cast<std::size_t>(n), " %02X",
                      layout.ShiftAltGrChar[i]);
    }
    return text;
}

std::vector<std::string> Lines(const BuiltLayout& built, const CodePage& page) {
    std::vector<std::string> lines;
    for (const NotCarried& item : built.notCarried) {
        lines.push_back(NotCarriedText(item, page));
    }
    return lines;
}

TEST(BuildSystemLayout, UsIsTheDefaultTypewriterBlock) {
    const auto built = BuildSystemLayout("us", "", *CodePage::Load(1250));
    ASSERT_TRUE(built);
    KeyboardLayout expected = DefaultLayout();
    // The built-in layout has Serbian Latin AltGr characters; "us" has a third level on
    // one key only, the one beside the left Shift key (pc105's bar).
    expected.AltGrChar.fill(0x20);
    expected.AltGrChar[47] = '|';
    expected.ShiftAltGrChar[47] = 0xA6; // and the broken bar on its fourth
    // The built-in decimal key types the comma of Serbian; "us" types a period.
    expected.NormalChar[48] = expected.ShiftChar[48] = expected.AnsiChar[48] = '.';
    EXPECT_EQ(built->layout, expected);
    EXPECT_TRUE(built->notCarried.empty());
}

struct Row {
    const char* name;
    const char* layout; // name(variant)
    int codePage;
    std::size_t lost;  // how many characters were not carried
    const char* caps;  // Caps Lock of the 49 keys, with the codes of the places; or nullptr
    const char* keys;  // as KeyText writes them, separated by ", "
    const char* lines; // some of their lines, in their order, one a line
};

class SystemLayoutRow : public ::testing::TestWithParam<Row> {};

TEST_P(SystemLayoutRow, HasTheHandCheckedKeysAndLosses) {
    const Row& row = GetParam();
    const CodePage page = *CodePage::Load(row.codePage);
    const auto built = BuildSystemLayout(ParseLayoutId(row.layout).value(), page);
    ASSERT_TRUE(built);
    KeyboardLayout layout = built->layout;
    std::istringstream keys(row.keys);
    for (std::string key; std::getline(keys >> std::ws, key, ',');) {
        EXPECT_EQ(KeyText(layout, std::stoi(key)), key);
    }
    if (row.caps != nullptr) {
        EXPECT_EQ(layout.VirtualKey, DefaultLayout().VirtualKey);
        std::string caps;
        for (const std::uint8_t flag : layout.CapsAffected) {
            caps += flag != 0 ? '1' : '0';
        }
        EXPECT_EQ(caps, row.caps);
    }
    EXPECT_EQ(built->notCarried.size(), row.lost);
    const std::vector<std::string> lines = Lines(*built, page);
    auto from = lines.begin();
    std::istringstream wanted(row.lines);
    for (std::string line; std::getline(wanted, line);) {
        from = std::find(from, lines.end(), line);
        EXPECT_NE(from, lines.end()) << "no line, or out of order: " << line;
    }
    // The Edit menu's rules change nothing on a layout built with them.
    EXPECT_EQ(FillAnsiByRuleOfThumb(layout, page), 0);
    EXPECT_EQ(SetCapsOnCasePairs(layout, page), 0);
}

INSTANTIATE_TEST_SUITE_P(
    , SystemLayoutRow,
    ::testing::Values(
        // QWERTZ; dead acute, grave and cedilla beside Backspace become the accents; ü is
        // a letter pair but no Latin letter, so its place keeps its code.
        Row{"German1250", "de", 1250, 47, nullptr,
            "13: BB B4 60 B8 B4 0 B2, 19: 5A 7A 5A 20 5A 1, 24: DB FC DC A8 DC 1 A8, "
            "38: 59 79 59 BB 59 1 9B",
            "key 1 AltGr: U+2032 \u2032 is not in code page 1250; left empty\n"
            "key 33 AltGr: dead_belowdot has no character; left empty"},
        // AZERTY: A, Q and M move; the M place types a comma and, as both its default code
        // (M) and the comma's code (held by the next key) are taken, takes the first free
        // spare one. é and 2 are no letter pair, so ANSI is é.
        Row{"French1252", "fr", 1252, 32, nullptr,
            "3: 32 E9 32 7E E9 0, 14: 41 61 41 E6 41 1 C6, 24: DB 5E A8 A8 5E 0, "
            "27: 51 71 51 40 51 1 40, 36: 4D 6D 4D B5 4D 1 BA, 44: BA 2C 3F B4 2C 0",
            "key 18 AltGr: U+0167 \u0167 is not in code page 1252; left empty"},
        // The capitals of the AltGr letters are on the fourth level: Shift+AltGr gets them.
        Row{"Polish1250", "pl", 1250, 40, nullptr,
            "27: 41 61 41 B9 41 1 A5, 16: 45 65 45 EA 45 1 CA",
            "key 14 Shift+AltGr: U+03A9 \u03A9 is not in code page 1250; left empty\n"
            "key 44 Shift+AltGr: U+221E \u221E is not in code page 1250; kept \u00B5"},
        // Every letter a case pair, ё included, and the codes those of the places.
        Row{"Russian1251", "ru", 1251, 1, "1000000000000111111111111011111111111111111111000",
            "1: C0 B8 A8 20 A8 1, 4: 33 33 B9 20 33 0, 14: 51 E9 C9 20 C9 1, "
            "47: BF 2E 2C 20 2E 0, 48: E2 2F 7C 7C 2F 0 A6, 49: 6E 2C 2C 20 2C 0",
            "key 9 AltGr: U+20BD \u20BD is not in code page 1251; left empty"},
        // Turkish: the dotless ı pairs with I and i with the dotted İ, so Caps Lock acts on
        // both keys.
        Row{"Turkish1254", "tr", 1254, 10, nullptr,
            "21: DE FD 49 EE 49 1 CE, 37: 49 69 DD 27 DD 1 27",
            "key 33 AltGr: dead_hook has no character; left empty"},
        // The lam-alef ligatures have no byte: their layers type nothing rather than the
        // default Latin b, B, T and G.
        Row{"Arabic1256", "ara", 1256, 36, nullptr,
            "18: 54 DD 00 20 DD 0, 31: 47 E1 00 20 E1 0, 42: 42 00 00 20 00 0",
            "key 18 Shift: U+FEF9 \uFEF9 is not in code page 1256; left empty\n"
            "key 42 Norm: U+FEFB \uFEFB is not in code page 1256; left empty"},
        // ѝ has no byte in 1251: Shift takes the upper case of Norm ь instead of a Latin A.
        Row{"Bulgarian1251", "bg", 1251, 16, nullptr, "27: 41 FC DC FB DC 1 DB",
            "key 27 Shift: U+045D \u045D is not in code page 1251; upper case of Norm: \u042C\n"
            "key 48 Norm: U+045D \u045D is not in code page 1251; kept <"},
        // In a Latin code page the Cyrillic letters lose their keys rather than type Latin
        // ones; where the default is a sign (the places of ё, ж, б, ю...) it stays.
        Row{"Russian1250", "ru", 1250, 68, "0000000000000000000000000000000000000000000000000",
            "1: C0 60 7E 20 60 0, 4: 33 33 23 20 33 0, 14: 51 00 00 20 00 0, 46: BE 2E 3E 20 2E 0",
            "key 1 Norm: U+0451 \u0451 is not in code page 1250; kept `\n"
            "key 4 Shift: U+2116 \u2116 is not in code page 1250; kept #\n"
            "key 9 AltGr: U+20BD \u20BD is not in code page 1250; left empty\n"
            "key 14 Norm: U+0439 \u0439 is not in code page 1250; left empty\n"
            "key 46 Shift: U+042E \u042E is not in code page 1250; kept >"}),
    [](const auto& info) { return std::string(info.param.name); });

// A dead accent's layer is dead and composes as the desktop's Compose table says; the
// Greek acute is the tonos 1253 has. Without dead keys the same layout has none.
TEST(BuildSystemLayout, CarriesDeadKeysWithTheirCompositions) {
    const std::tuple<const char*, int, int, CharLayer, std::uint8_t, std::uint8_t, std::uint8_t>
        rows[] = {
            {"fr", 1252, 24, CharLayer::Norm, '^', 'e', 0xEA},   // ê
            {"fr", 1252, 24, CharLayer::Shift, 0xA8, 'E', 0xCB}, // Ë
            {"gr", 1253, 36, CharLayer::Norm, 0xB4, 0xE1, 0xDC}, // ά
            {"cz", 1250, 13, CharLayer::Norm, 0xB4, 'e', 0xE9},  // é
            {"cz", 1250, 13, CharLayer::Shift, 0xA1, 'c', 0xE8}, // č after the caron
        };
    for (const auto& [name, number, key, layer, dead, base, result] : rows) {
        const auto built = BuildSystemLayout(name, "", *CodePage::Load(number));
        ASSERT_TRUE(built) << name;
        EXPECT_EQ(CharOf(built->layout, key - 1, layer), dead) << name;
        EXPECT_TRUE(IsDead(built->layout, key - 1, layer)) << name;
        EXPECT_EQ(Composed(built->layout, dead, base), result) << name;
    }
    // Of fr's dead accents 1252 holds the circumflex and diaeresis, the grave and acute
    // (AltGr) and the macron (Shift+AltGr); the ring, caron, breve... have no byte.
    EXPECT_EQ(DeadCharacters(BuildSystemLayout("fr", "", *CodePage::Load(1252))->layout),
              (std::vector<std::uint8_t>{'^', '`', 0xA8, 0xAF, 0xB4}));
    // Without, each accent stays where it was as a plain character; Polish Ą stays too.
    const std::pair<const char*, int> layouts[] = {
        {"fr", 1252}, {"gr", 1253}, {"cz", 1250}, {"pl", 1250}};
    for (const auto& [name, number] : layouts) {
        const CodePage page = *CodePage::Load(number);
        auto withDead = BuildSystemLayout(name, "", page);
        const auto without = BuildSystemLayout(name, "", page, false);
        ASSERT_TRUE(withDead && without) << name;
        EXPECT_TRUE(DeadCharacters(without->layout).empty()) << name;
        EXPECT_TRUE(without->layout.Compositions.empty()) << name;
        withDead->layout.DeadLayers = {};
        withDead->layout.Compositions.clear();
        EXPECT_EQ(without->layout, withDead->layout) << name;
    }
    EXPECT_EQ(CharOf(BuildSystemLayout("pl", "", *CodePage::Load(1250), false)->layout, 26,
                     CharLayer::ShiftAltGr),
              0xA5);
}

// A layout of another script gets no Latin letter from the defaults on any key. (Hebrew
// layouts put Latin capitals on Shift themselves, so they are not rows here.)
TEST(BuildSystemLayout, GivesNoLatinLetterToALayoutOfAnotherScript) {
    const std::pair<const char*, int> layouts[] = {
        {"bg", 1251}, {"ara", 1256}, {"ru", 1251}, {"gr", 1253}, {"ua", 1251}};
    for (const auto& [name, number] : layouts) {
        const CodePage page = *CodePage::Load(number);
        const auto built = BuildSystemLayout(name, "", page);
        ASSERT_TRUE(built) << name;
        for (int i = 0; i < kKeyCount; ++i) {
            for (const std::uint8_t code : {built->layout.NormalChar[i], built->layout.ShiftChar[i],
                                            built->layout.AnsiChar[i]}) {
                EXPECT_NE(page.script(code), LetterScript::Latin)
                    << name << " key " << i + 1 << " " << int{code};
            }
        }
    }
}

// The codes are distinct for any layout, not only for the ones worked out by hand; and
// whatever the registry lists, libxkbcommon compiles, but "custom": a place for a layout
// of the machine's owner, which xkeyboard-config lists without a file.
TEST(BuildSystemLayout, EveryListedLayoutCompilesWithDistinctCodes) {
    const auto layouts = ListSystemLayouts();
    ASSERT_TRUE(layouts.ok()) << layouts.error().message();
    const CodePage page = *CodePage::Load(1252);
    for (const SystemLayout& layout : layouts.value()) {
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

// The symbols file of our own lies beside the system's: a copy of the system's folder
// made of links, named by XKB_CONFIG_ROOT. libxkbcommon 1.5 leaks memory (seen by
// LeakSanitizer) when it looks for files in more than one folder, so the test keeps to one
// folder rather than adding $XDG_CONFIG_HOME/xkb to the system's.
// US with a few keys changed; each comment names the key number.
constexpr const char* kSymbols = R"xkb(
default xkb_symbols "basic" {
    include "us(basic)"
    key <AE01> { type[Group1] = "FOUR_LEVEL", [ space, exclam, space, space ] };         // 2
    key <AE02> { type[Group1] = "FOUR_LEVEL", [ exclam, 0x1000009, U0021, 0x1000009 ] }; // 3
    key <AE03> { [ { dollar, EuroSign }, { EuroSign, dollar } ] };                       // 4
    key <AE04> { type[Group1] = "FOUR_LEVEL", [ 4, dollar, Greek_omega, NoSymbol ] };    // 5
    key <AE05> { [ U1F600, VoidSymbol ] };                                               // 6
    key <AD01> { [ Greek_omega, Greek_OMEGA ] };                                         // 14
    key <KPDL> { type[Group1] = "KEYPAD", [ KP_Delete, U066B ] };                        // 49
};
)xkb";

// No folder of the user's, however this machine is set up: only the root, named by the first
// variable; the others name folders that do not exist.
class OwnSymbols : public ::testing::Test {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        const fs::path system = KBD_XKB_ROOT, root = folder_.path() / "XKB_CONFIG_ROOT";
        fs::create_directories(root / "symbols");
        for (const auto& entry : fs::directory_iterator(system)) {
            if (entry.path().filename() != "symbols") {
                fs::create_directory_symlink(entry.path(), root / entry.path().filename());
            }
        }
        for (const auto& entry : fs::directory_iterator(system / "symbols")) {
            fs::create_symlink(entry.path(), root / "symbols" / entry.path().filename());
        }
        std::ofstream(root / "symbols" / "kbdtest") << kSymbols;
        for (const char* name :
             {"XKB_CONFIG_ROOT", "HOME", "XDG_CONFIG_HOME", "XKB_CONFIG_EXTRA_PATH"}) {
            const char* old = std::getenv(name);
            saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
            setenv(name, folder_.file(name).c_str(), 1);
        }
    }
    void TearDown() override {
        for (const auto& [name, old] : saved_) {
            old ? setenv(name, old->c_str(), 1) : unsetenv(name);
        }
    }

    testing::TempFolder folder_;
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

// The first character above the space, and the first keysym of a level, is carried on
// any layer; VoidSymbol is a level left empty on purpose, with nothing to report; signs
// keep the defaults, but key 14's Greek letters do not become the default Latin q and Q.
TEST_F(OwnSymbols, SpacesControlsAndSignsKeepTheDefaultsOtherScriptsDoNot) {
    const CodePage page = CodePage::LoadOrLatin1(1250);
    const auto built = BuildSystemLayout("kbdtest", "", page);
    ASSERT_TRUE(built);
    EXPECT_EQ(Lines(*built, page),
              (std::vector<std::string>{
                  "key 2 Norm: U+0020 is a space or a control character; kept 1",
                  "key 2 AltGr: U+0020 is a space or a control character; left empty",
                  "key 2 Shift+AltGr: U+0020 is a space or a control character; left empty",
                  "key 3 Shift: U+0009 is a space or a control character; kept @",
                  "key 3 Shift+AltGr: U+0009 is a space or a control character; left empty",
                  "key 5 AltGr: U+03C9 \u03C9 is not in code page 1250; left empty",
                  "key 6 Norm: U+1F600 \U0001F600 is not in code page 1250; kept 5",
                  "key 14 Norm: U+03C9 \u03C9 is not in code page 1250; left empty",
                  "key 14 Shift: U+03A9 \u03A9 is not in code page 1250; left empty",
                  "key 49 Norm: U+066B \u066B is not in code page 1250; kept ,",
              }));
    std::string keys;
    for (int key : {2, 3, 4, 6, 14, 49}) {
        keys += KeyText(built->layout, key) + "\n";
    }
    EXPECT_EQ(keys, "2: 31 31 21 20 31 0\n3: 32 21 40 21 21 0\n4: 33 24 80 20 24 0\n"
                    "6: 35 35 25 20 35 0\n14: 51 00 00 20 00 0\n49: 6E 2C 2C 20 2C 0\n");
}

// The kept byte reads in the code page: 0xB8 is ё in 1251.
TEST(NotCarriedText, ShowsTheKeptByteInTheCodePage) {
    const NotCarried item{1, LayerShift, NotCarriedWhy::NotInCodePage, U'\u20AC', "EuroSign", 0xB8};
    EXPECT_EQ(NotCarriedText(item, CodePage::LoadOrLatin1(1251)),
              "key 1 Shift: U+20AC \u20AC is not in code page 1251; kept \u0451");
}

// A layout saved in one code page and opened in another is offered its own again; one
// that reads right where it is, or as well in several, is offered nothing.
TEST(BetterCodePage, OffersTheCodePageTheLayoutWasMadeIn) {
    const std::tuple<const char*, int, int, std::optional<int>> rows[] = {
        {"rs", 1251, 1250, 1251},         {"rs", 1251, 1252, 1251},
        {"gr", 1253, 1250, 1253},         {"tr", 1254, 1250, 1254},
        {"bg", 1251, 1251, std::nullopt}, {"de", 1252, 1250, std::nullopt},
        {"pl", 1250, 1250, std::nullopt},
    };
    for (const auto& [name, made, shown, offered] : rows) {
        const auto built = BuildSystemLayout(name, "", *CodePage::Load(made));
        ASSERT_TRUE(built) << name;
        EXPECT_EQ(BetterCodePage(built->layout, shown), offered) << name << " " << shown;
    }
    EXPECT_EQ(BetterCodePage(DefaultLayout(), 1250), std::nullopt);
}

// The heading says what each key does instead, as the lines do: an AltGr-only list is
// no list of kept characters.
TEST(NotCarriedSummary, SaysWhatTheKeysTypeInstead) {
    const auto item = [](int layer, std::uint8_t kept, bool upper) {
        NotCarried lost{1, layer, NotCarriedWhy::NotInCodePage, U'\u20AC', "EuroSign", kept};
        lost.upperOfNorm = upper;
        return lost;
    };
    EXPECT_EQ(NotCarriedSummary({item(LayerAltGr, 0x20, false), item(LayerAltGr, 0x20, false)}),
              "Where the code page has no character for the new one, 2 layers were left empty.");
    EXPECT_EQ(NotCarriedSummary({item(LayerNorm, 'q', false), item(LayerShift, 0xDC, true),
                                 item(LayerNorm, 0, false)}),
              "Where the code page has no character for the new one, 1 key kept its default "
              "character, 1 Shift took the upper case of Norm and 1 layer was left empty.");
    EXPECT_EQ(NotCarriedSummary({}), "");
}

} // namespace
} // namespace kbd
