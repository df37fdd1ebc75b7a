// The XKB export compiled by libxkbcommon as a desktop compiles it, and typed on through
// xkb_state: each key must type what Windows 95 types with the layout.
#include "../layout/random_layout.h"
#include "../layout/temp_folder.h"
#include "exports/xkb_symbols.h"

#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <xkbcommon/xkbcommon.h>

namespace {

using kbd::CodePage;
using kbd::KeyboardLayout;
using kbd::exports::kXkbKeyNames;

// The modifier keys a test holds down (Shift, AltGr) or locks on (Caps, NumLock).
enum Press : unsigned { None = 0, Shift = 1, AltGr = 2, Caps = 4, NumLock = 8 };

std::string Describe(unsigned press) {
    std::string text;
    for (const auto& [bit, name] : {std::pair{Shift, "Shift"},
                                    {AltGr, "AltGr"},
                                    {Caps, "Caps Lock"},
                                    {NumLock, "Num Lock"}}) {
        if (press & bit) {
            text += text.empty() ? name : std::string("+") + name;
        }
    }
    return text.empty() ? "no modifier" : text;
}

// A symbols file installed as a layout in a folder of its own, ahead of the system's
// folders, and compiled with the evdev rules as a desktop session does.
class CompiledLayout {
public:
    explicit CompiledLayout(const std::string& symbols) {
        std::filesystem::create_directory(folder_.path() / "symbols");
        std::ofstream(folder_.path() / "symbols" / "kbdgen_test") << symbols;
        context_.reset(xkb_context_new(static_cast<xkb_context_flags>(
            XKB_CONTEXT_NO_DEFAULT_INCLUDES | XKB_CONTEXT_NO_ENVIRONMENT_NAMES)));
        xkb_context_set_user_data(context_.get(), &log_);
        xkb_context_set_log_fn(context_.get(), [](xkb_context* context, xkb_log_level,
                                                  const char* format, va_list args) {
            std::array<char, 1024> line{};
            std::vsnprintf(line.data(), line.size(), format, args);
            *static_cast<std::string*>(xkb_context_get_user_data(context)) += line.data();
        });
        xkb_context_include_path_append(context_.get(), folder_.path().c_str());
        xkb_context_include_path_append_default(context_.get());
        const xkb_rule_names names{"evdev", "pc105", "kbdgen_test", "", ""};
        keymap_.reset(
            xkb_keymap_new_from_names(context_.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    }

    xkb_keymap* keymap() const { return keymap_.get(); }
    const std::string& log() const { return log_; }

    // What the key of XKB name `key` types with the modifiers of `press`.
    char32_t typed(std::string_view key, unsigned press) const {
        const auto state = Pressed(press);
        return xkb_state_key_get_utf32(state.get(), Code(key));
    }
    xkb_keysym_t keysym(std::string_view key, unsigned press) const {
        const auto state = Pressed(press);
        return xkb_state_key_get_one_sym(state.get(), Code(key));
    }

private:
    struct StateFree {
        void operator()(xkb_state* state) const { xkb_state_unref(state); }
    };
    using State = std::unique_ptr<xkb_state, StateFree>;

    xkb_keycode_t Code(std::string_view key) const {
        return xkb_keymap_key_by_name(keymap_.get(), std::string(key).c_str());
    }

    State Pressed(unsigned press) const {
        State state(xkb_state_new(keymap_.get()));
        const auto tap = [&](const char* key) {
            xkb_state_update_key(state.get(), Code(key), XKB_KEY_DOWN);
            xkb_state_update_key(state.get(), Code(key), XKB_KEY_UP);
        };
        if (press & Caps) {
            tap("CAPS");
        }
        if (press & NumLock) {
            tap("NMLK");
        }
        if (press & Shift) {
            xkb_state_update_key(state.get(), Code("LFSH"), XKB_KEY_DOWN);
        }
        if (press & AltGr) {
            xkb_state_update_key(state.get(), Code("RALT"), XKB_KEY_DOWN);
        }
        return state;
    }

    struct ContextFree {
        void operator()(xkb_context* context) const { xkb_context_unref(context); }
    };
    struct KeymapFree {
        void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
    };
    kbd::testing::TempFolder folder_;
    std::string log_;
    std::unique_ptr<xkb_context, ContextFree> context_;
    std::unique_ptr<xkb_keymap, KeymapFree> keymap_;
};

// What Windows 95 types for a byte, as a desktop can type it: control codes not at all.
char32_t Typed(const CodePage& page, std::uint8_t code) {
    const auto point = page.codePoint(code);
    return point && *point >= 0x20 ? *point : 0;
}

// Windows 95 with the layout: Caps Lock swaps Norm and Shift on the keys with the flag
// and leaves AltGr alone. Right Alt is no modifier to a key without an AltGr character,
// as on every XKB layout.
char32_t WindowsTypes(const KeyboardLayout& layout, const CodePage& page, int key, unsigned press) {
    const bool caps = (press & Caps) != 0 && layout.CapsAffected[key] != 0;
    const char32_t altGr = layout.AltGrChar[key] > 32 ? Typed(page, layout.AltGrChar[key]) : 0;
    if ((press & AltGr) && altGr != 0) {
        return altGr;
    }
    const bool shifted = ((press & Shift) != 0) != caps;
    return Typed(page, shifted ? layout.ShiftChar[key] : layout.NormalChar[key]);
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

struct Case {
    std::string name;
    int codePage;
    KeyboardLayout layout;
};

std::vector<Case> Cases() {
    std::vector<Case> cases{{"DefaultIn1250", 1250, kbd::DefaultLayout()},
                            {"CyrillicIn1251", 1251, Cyrillic(*CodePage::Load(1251))}};
    for (unsigned seed = 1; seed <= 6; ++seed) {
        std::mt19937 random(seed);
        const int codePage = seed % 2 ? 1250 : 1253; // Greek leaves bytes undefined
        cases.push_back({"Random" + std::to_string(seed) + "In" + std::to_string(codePage),
                         codePage, kbd::testing::RandomLayout(random)});
    }
    return cases;
}

void PrintTo(const Case& layoutCase, std::ostream* os) {
    *os << layoutCase.name;
}

class XkbExport : public testing::TestWithParam<Case> {};

TEST_P(XkbExport, TypesWhatWindowsTypes) {
    const CodePage page = *CodePage::Load(GetParam().codePage);
    const KeyboardLayout& layout = GetParam().layout;
    const CompiledLayout compiled(kbd::exports::XkbSymbolsText(layout, page, "test"));
    ASSERT_NE(compiled.keymap(), nullptr) << compiled.log();
    for (int key = 0; key < kbd::exports::kDecimalKey; ++key) {
        for (const unsigned press :
             {0u + None, 0u + Shift, 0u + AltGr, 0u + Caps, Caps | Shift, Caps | AltGr}) {
            EXPECT_EQ(compiled.typed(kXkbKeyNames[key], press),
                      WindowsTypes(layout, page, key, press))
                << "key " << key + 1 << " <" << kXkbKeyNames[key] << ">, " << Describe(press);
        }
    }
    // The decimal key deletes, and types its Norm character with Num Lock on.
    const auto decimal = kXkbKeyNames[kbd::exports::kDecimalKey];
    EXPECT_EQ(compiled.keysym(decimal, None), XKB_KEY_KP_Delete);
    EXPECT_EQ(compiled.keysym(decimal, NumLock | Shift), XKB_KEY_KP_Delete);
    EXPECT_EQ(compiled.typed(decimal, NumLock),
              Typed(page, layout.NormalChar[kbd::exports::kDecimalKey]));
}

INSTANTIATE_TEST_SUITE_P(Layouts, XkbExport, testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

TEST(XkbKeyNames, StandWhereTheScanCodesOfTheirKeysPutThem) {
    const CompiledLayout compiled(
        kbd::exports::XkbSymbolsText(kbd::DefaultLayout(), *CodePage::Load(1250), "test"));
    ASSERT_NE(compiled.keymap(), nullptr) << compiled.log();
    for (int key = 0; key < kbd::kKeyCount; ++key) {
        // An evdev key code is the PC scan code + 8.
        EXPECT_EQ(xkb_keymap_key_by_name(compiled.keymap(), std::string(kXkbKeyNames[key]).c_str()),
                  kbd::DefaultLayout().ScanCode[key] + 8u)
            << kXkbKeyNames[key];
    }
}

TEST(XkbName, ReachesTheDesktopAsWritten) {
    for (const std::string name : {"qz", "Srpska \"latinica\" \\ ćirilica", "tab\there"}) {
        const CompiledLayout compiled(
            kbd::exports::XkbSymbolsText(kbd::DefaultLayout(), *CodePage::Load(1250), name));
        ASSERT_NE(compiled.keymap(), nullptr) << compiled.log();
        EXPECT_EQ(xkb_keymap_layout_get_name(compiled.keymap(), 0), name);
    }
}

} // namespace
