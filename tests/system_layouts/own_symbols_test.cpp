// Edges that no layout of xkeyboard-config reaches, on a symbols file of our own beside
// the system's: a copy of the system's folder made of links, named by XKB_CONFIG_ROOT.
// libxkbcommon 1.5 leaks memory (seen by LeakSanitizer) when it looks for files in more
// than one folder, so the test keeps to one folder rather than adding $XDG_CONFIG_HOME/xkb
// to the system's.
#include "../layout/temp_folder.h"
#include "system_layouts/layout_from_xkb.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace kbd {
namespace {

// US with a few keys changed; each comment names the key number.
constexpr const char* kSymbols = R"xkb(
default xkb_symbols "basic" {
    include "us(basic)"
    key <AE01> { type[Group1] = "FOUR_LEVEL", [ space, exclam, space, space ] };         // 2
    key <AE02> { type[Group1] = "FOUR_LEVEL", [ exclam, 0x1000009, U0021, 0x1000009 ] }; // 3
    key <AE03> { [ { dollar, EuroSign }, { EuroSign, dollar } ] };                       // 4
    key <AE04> { type[Group1] = "FOUR_LEVEL", [ 4, dollar, Greek_omega, NoSymbol ] };    // 5
    key <AD01> { [ Greek_omega, Greek_OMEGA ] };                                         // 14
    key <KPDL> { type[Group1] = "KEYPAD", [ KP_Delete, U066B ] };                        // 49
};
)xkb";

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

class OwnSymbols : public ::testing::Test {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        const fs::path system = KBD_XKB_ROOT, root = folder_.path() / "xkb";
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
    }

    testing::TempFolder folder_;
    // No folder of the user's, however this machine is set up: only the root.
    ScopedEnv root_{"XKB_CONFIG_ROOT", folder_.file("xkb")};
    ScopedEnv home_{"HOME", folder_.file("home")};
    ScopedEnv config_{"XDG_CONFIG_HOME", folder_.file("config")};
    ScopedEnv extra_{"XKB_CONFIG_EXTRA_PATH", folder_.file("extra")};
};

TEST_F(OwnSymbols, SpacesControlsAndOtherScriptsKeepTheDefaults) {
    const CodePage page = CodePage::LoadOrLatin1(1250);
    const auto built = BuildSystemLayout("kbdtest", "", page);
    ASSERT_TRUE(built);
    const KeyboardLayout& layout = built->layout;
    std::vector<std::string> lines;
    for (const NotCarried& item : built->notCarried) {
        lines.push_back(NotCarriedText(item, page));
    }
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "key 2 Norm: U+0020 is a space or a control character; kept 1",
                         "key 2 AltGr: U+0020 is a space or a control character; left empty",
                         "key 3 Shift: U+0009 is a space or a control character; kept @",
                         "key 5 AltGr: U+03C9 \u03C9 is not in code page 1250; left empty",
                         "key 14 Norm: U+03C9 \u03C9 is not in code page 1250; kept q",
                         "key 14 Shift: U+03A9 \u03A9 is not in code page 1250; kept Q",
                         "key 49 Norm: U+066B \u066B is not in code page 1250; kept ,",
                     }));
    // The first character above the space is carried, on any layer.
    EXPECT_EQ(layout.NormalChar[2], '!');
    EXPECT_EQ(layout.AltGrChar[2], '!');
    // The first keysym of a level counts.
    EXPECT_EQ(layout.NormalChar[3], '$');
    EXPECT_EQ(layout.ShiftChar[3], 0x80); // the euro sign in 1250
    // Kept defaults: the rules still see a letter pair on key 14 and its code.
    EXPECT_EQ(layout.NormalChar[13], 'q');
    EXPECT_EQ(layout.AnsiChar[13], 'Q');
    EXPECT_EQ(layout.CapsAffected[13], 1);
    EXPECT_EQ(layout.VirtualKey[13], 'Q');
    EXPECT_EQ(layout.NormalChar[48], ',');
    EXPECT_EQ(layout.ShiftChar[48], ',');
    EXPECT_EQ(layout.AnsiChar[48], ',');
    EXPECT_EQ(layout.AltGrChar[48], 0x20);
}

} // namespace
} // namespace kbd
