// The XKB export compiled by libxkbcommon as a desktop compiles it, and typed on through
// xkb_state: each key must type what Windows 95 types with the layout.
#include "driver/to_ascii.h"
#include "exports/xkb_symbols.h"
#include "layout/writer.h"
#include "temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <numeric>
#include <random>
#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

namespace {

using kbd::CodePage;
using kbd::KeyboardLayout;

// The modifier keys a test holds down (Shift, AltGr) or locks on (Caps, NumLock).
enum Press : unsigned { None = 0, Shift = 1, AltGr = 2, Caps = 4, NumLock = 8 };

// A symbols file installed as a layout in a folder of its own, ahead of the system's
// folders, and compiled with the evdev rules as a desktop session does; libxkbcommon says
// on standard error why it cannot.
class CompiledLayout {
public:
    explicit CompiledLayout(const std::string& symbols) {
        std::filesystem::create_directory(folder_.path() / "symbols");
        std::ofstream(folder_.path() / "symbols" / "kbdgen_test") << symbols;
        context_.reset(xkb_context_new(static_cast<xkb_context_flags>(
            XKB_CONTEXT_NO_DEFAULT_INCLUDES | XKB_CONTEXT_NO_ENVIRONMENT_NAMES)));
        xkb_context_include_path_append(context_.get(), folder_.path().c_str());
        xkb_context_include_path_append_default(context_.get());
        const xkb_rule_names names{"evdev", "pc105", "kbdgen_test", "", ""};
        keymap_.reset(
            xkb_keymap_new_from_names(context_.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    }

    xkb_keymap* keymap() const { return keymap_.get(); }
    xkb_keycode_t code(std::string_view key) const {
        return xkb_keymap_key_by_name(keymap_.get(), std::string(key).c_str());
    }

    // The keysym and the character of the key of XKB name `key` with `press` held or locked.
    std::pair<xkb_keysym_t, char32_t> typed(std::string_view key, unsigned press) const {
        const std::unique_ptr<xkb_state, decltype(&xkb_state_unref)> state(
            xkb_state_new(keymap_.get()), &xkb_state_unref);
        // The locks go down and up again; Shift and AltGr stay held.
        for (const auto& [bit, name] :
             {std::pair{Caps, "CAPS"}, {NumLock, "NMLK"}, {Shift, "LFSH"}, {AltGr, "RALT"}}) {
            if (press & bit) {
                xkb_state_update_key(state.get(), code(name), XKB_KEY_DOWN);
            }
            if (press & bit & (Caps | NumLock)) {
                xkb_state_update_key(state.get(), code(name), XKB_KEY_UP);
            }
        }
        return {xkb_state_key_get_one_sym(state.get(), code(key)),
                xkb_state_key_get_utf32(state.get(), code(key))};
    }

private:
    kbd::testing::TempFolder folder_;
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context_{nullptr,
                                                                        &xkb_context_unref};
    std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap_{nullptr, &xkb_keymap_unref};
};

// What Windows 95 types with the layout's file, as a desktop can type it: control codes
// not at all, a dead key, which waits, as U+FFFF.
char32_t WindowsTypes(const kbd::driver::LoadedKeyboard& file, const CodePage& page, int key,
                      unsigned press) {
    kbd::driver::Keyboard keyboard(file);
    keyboard.setCapsLock((press & Caps) != 0);
    const auto typed =
        keyboard.pressKey(key, {.shift = (press & Shift) != 0, .altGr = (press & AltGr) != 0});
    if (typed.deadWaiting()) {
        return U'\uFFFF';
    }
    const auto point = typed.bytes.empty() ? std::nullopt : page.codePoint(typed.bytes.front());
    return point && *point >= 0x20 ? *point : 0;
}

// What the desktop types, a dead keysym (which types nothing yet) as U+FFFF.
char32_t DesktopTypes(const std::pair<xkb_keysym_t, char32_t>& typed) {
    char name[64] = "";
    xkb_keysym_get_name(typed.first, name, sizeof name);
    return std::string_view(name).starts_with("dead_") ? U'\uFFFF' : typed.second;
}

// The built-in layout with French dead keys: ^ on Norm and ¨ on Shift of the key right of P.
KeyboardLayout DeadKeys(const CodePage& page) {
    KeyboardLayout layout = kbd::DefaultLayout();
    layout.NormalChar[23] = '^';
    layout.ShiftChar[23] = 0xA8;
    layout.DeadLayers[23] = 1 << 0 | 1 << 1;
    layout.Compositions = {{'^', 'e', *page.byteFor(U'\u00EA')}, {0xA8, 'e', 0xEB}};
    return layout;
}

KeyboardLayout Cyrillic(const CodePage& page) {
    // ЙЦУКЕН on the letter keys, by key index; the rest keeps the defaults, whose AltGr
    // bytes read in 1251 as Cyrillic letters of either case and as signs.
    const std::pair<int, std::u32string> rows[] = {
        {0, U"ё"}, {13, U"йцукенгшщзхъ"}, {26, U"фывапролджэ"}, {37, U"ячсмитьбю"}};
    KeyboardLayout layout = kbd::DefaultLayout();
    for (const auto& [first, letters] : rows) {
        for (std::size_t i = 0; i < letters.size(); ++i) {
            const auto key = static_cast<std::size_t>(first) + i;
            layout.NormalChar[key] = page.byteFor(letters[i]).value();
            layout.ShiftChar[key] = page.upper(layout.NormalChar[key]);
            layout.CapsAffected[key] = 1;
        }
    }
    return layout;
}

// Random characters, flags and virtual-key codes: some keys share a code, and a code of 0
// or Alt's is a key the driver types nothing on.
KeyboardLayout RandomLayout(std::mt19937& random) {
    std::uniform_int_distribution<int> byte(0, 255);
    KeyboardLayout layout = kbd::DefaultLayout();
    for (int i = 0; i < kbd::kKeyCount; ++i) {
        for (kbd::KeyBytes* field : {&layout.VirtualKey, &layout.NormalChar, &layout.ShiftChar,
                                     &layout.AltGrChar, &layout.ShiftAltGrChar, &layout.AnsiChar}) {
            (*field)[i] = static_cast<std::uint8_t>(byte(random));
        }
        layout.CapsAffected[i] = static_cast<std::uint8_t>(byte(random) % 3);
    }
    layout.VirtualKey[3] = 0;
    layout.VirtualKey[7] = kbd::driver::kVkMenu;
    layout.VirtualKey[20] = layout.VirtualKey[40];
    return layout;
}

struct Case {
    std::string name;
    int codePage;
    KeyboardLayout layout;
    std::string xkbName = "test";
};

std::vector<Case> Cases() {
    // The name must reach the desktop as written, quotes, backslash, tab and all.
    std::vector<Case> cases{
        {"DefaultIn1250", 1250, kbd::DefaultLayout(), "Srpska \"latinica\" \\ \u0107irilica\t2\n"},
        {"CyrillicIn1251", 1251, Cyrillic(*CodePage::Load(1251))},
        {"DeadKeysIn1252", 1252, DeadKeys(*CodePage::Load(1252))}};
    for (unsigned seed = 1; seed <= 6; ++seed) {
        std::mt19937 random(seed);
        const int codePage = seed % 2 ? 1250 : 1253; // Greek leaves bytes undefined
        cases.push_back({"Random" + std::to_string(seed) + "In" + std::to_string(codePage),
                         codePage, RandomLayout(random)});
    }
    return cases;
}

class XkbExport : public testing::TestWithParam<Case> {};

TEST_P(XkbExport, TypesWhatWindowsTypes) {
    const CodePage page = *CodePage::Load(GetParam().codePage);
    const KeyboardLayout& layout = GetParam().layout;
    const CompiledLayout compiled(kbd::exports::XkbSymbolsText(layout, page, GetParam().xkbName));
    ASSERT_NE(compiled.keymap(), nullptr);
    const auto file = kbd::driver::LoadKeyboard(kbd::BuildKbdFile(layout));
    ASSERT_TRUE(file.ok()) << file.error().message();
    EXPECT_EQ(xkb_keymap_layout_get_name(compiled.keymap(), 0), GetParam().xkbName);
    for (int key = 0; key < kbd::kKeyCount; ++key) {
        // An evdev key code is the PC scan code + 8.
        EXPECT_EQ(compiled.code(kbd::kKeyPlaces[key].xkbName),
                  kbd::DefaultLayout().ScanCode[key] + 8u)
            << kbd::kKeyPlaces[key].xkbName;
    }
    for (int key = 0; key < kbd::kDecimalKey; ++key) {
        for (unsigned press = 0; press <= (Shift | AltGr | Caps); ++press) {
            EXPECT_EQ(DesktopTypes(compiled.typed(kbd::kKeyPlaces[key].xkbName, press)),
                      WindowsTypes(file.value(), page, key, press))
                << "key " << key + 1 << ", modifiers " << press;
        }
    }
    // The decimal key deletes, and types its Norm character with Num Lock on.
    const auto decimal = kbd::kKeyPlaces[kbd::kDecimalKey].xkbName;
    EXPECT_EQ(compiled.typed(decimal, None).first, XKB_KEY_KP_Delete);
    EXPECT_EQ(compiled.typed(decimal, NumLock | Shift).first, XKB_KEY_KP_Delete);
    EXPECT_EQ(compiled.typed(decimal, NumLock).second,
              WindowsTypes(file.value(), page, kbd::kDecimalKey, None));
}

INSTANTIATE_TEST_SUITE_P(Layouts, XkbExport, testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

// The desktop composes the exported dead keys with its own Compose table, here a small
// one of the test's own: the export must give each dead key its accent's dead keysym.
TEST(XkbExport, DeadKeysComposeThroughTheDesktopsTable) {
    const CodePage page = *CodePage::Load(1252);
    const CompiledLayout compiled(kbd::exports::XkbSymbolsText(DeadKeys(page), page, "test"));
    ASSERT_NE(compiled.keymap(), nullptr);
    const std::string table = "<dead_circumflex> <e> : \"\u00EA\"\n"
                              "<dead_diaeresis> <e> : \"\u00EB\"\n";
    const std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(
        xkb_context_new(XKB_CONTEXT_NO_DEFAULT_INCLUDES), &xkb_context_unref);
    const std::unique_ptr<xkb_compose_table, decltype(&xkb_compose_table_unref)> compose(
        xkb_compose_table_new_from_buffer(context.get(), table.data(), table.size(), "C",
                                          XKB_COMPOSE_FORMAT_TEXT_V1, XKB_COMPOSE_COMPILE_NO_FLAGS),
        &xkb_compose_table_unref);
    ASSERT_NE(compose, nullptr);
    for (const auto& [press, typed] : {std::pair{None, "\u00EA"}, {Shift, "\u00EB"}}) {
        const std::unique_ptr<xkb_compose_state, decltype(&xkb_compose_state_unref)> state(
            xkb_compose_state_new(compose.get(), XKB_COMPOSE_STATE_NO_FLAGS),
            &xkb_compose_state_unref);
        xkb_compose_state_feed(state.get(),
                               compiled.typed(kbd::kKeyPlaces[23].xkbName, press).first);
        xkb_compose_state_feed(state.get(),
                               compiled.typed(kbd::kKeyPlaces[15].xkbName, None).first);
        ASSERT_EQ(xkb_compose_state_get_status(state.get()), XKB_COMPOSE_COMPOSED) << press;
        char text[8] = "";
        xkb_compose_state_get_utf8(state.get(), text, sizeof text);
        EXPECT_STREQ(text, typed);
    }
}

// The longest name kbdtool writes, quotes and control codes escaped to one byte each,
// is one libxkbcommon reads back whole; a byte more is refused and nothing written.
TEST(XkbName, LongestNameCompilesAndLongerIsRefused) {
    const kbd::KeyboardLayout& layout = kbd::DefaultLayout();
    const auto page = CodePage::Load(1250);
    ASSERT_TRUE(page);
    const std::string longest = "\"\\\x01" + std::string(kbd::exports::kMaxXkbNameBytes - 3, 'n');
    const CompiledLayout compiled(kbd::exports::XkbSymbolsText(layout, *page, longest));
    ASSERT_NE(compiled.keymap(), nullptr);
    EXPECT_EQ(xkb_keymap_layout_get_name(compiled.keymap(), 0), longest);
    EXPECT_NE(compiled.code("AE01"), XKB_KEYCODE_INVALID);

    const kbd::testing::TempFolder folder;
    const kbd::Status failed =
        kbd::exports::ExportXkbSymbols(layout, *page, longest + "n", folder.file("x"));
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.error().message(), folder.file("x") +
                                            ": the name is 1001 bytes long; libxkbcommon reads a "
                                            "layout name of at most 1000 bytes");
    EXPECT_TRUE(folder.entries().empty());
}

} // namespace
