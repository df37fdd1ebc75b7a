// Edges that no layout of xkeyboard-config reaches, on a symbols file of our own beside
// the system's: a copy of the system's folder made of links, named by XKB_CONFIG_ROOT.
// libxkbcommon 1.5 leaks memory (seen by LeakSanitizer) when it looks for files in more
// than one folder, so the test keeps to one folder rather than adding $XDG_CONFIG_HOME/xkb
// to the system's.
#include "../layout/temp_folder.h"
#include "key_text.h"
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
    key <AE05> { [ U1F600, VoidSymbol ] };                                               // 6
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

// The first character above the space, and the first keysym of a level, is carried on
// any layer; VoidSymbol is a level left empty on purpose, with nothing to report; kept
// defaults still give key 14 its letter pair and code.
TEST_F(OwnSymbols, SpacesControlsAndOtherScriptsKeepTheDefaults) {
    const CodePage page = CodePage::LoadOrLatin1(1250);
    const auto built = BuildSystemLayout("kbdtest", "", page);
    ASSERT_TRUE(built);
    std::vector<std::string> lines;
    for (const NotCarried& item : built->notCarried) {
        lines.push_back(NotCarriedText(item, page));
    }
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "key 2 Norm: U+0020 is a space or a control character; kept 1",
                         "key 2 AltGr: U+0020 is a space or a control character; left empty",
                         "key 3 Shift: U+0009 is a space or a control character; kept @",
                         "key 5 AltGr: U+03C9 \u03C9 is not in code page 1250; left empty",
                         "key 6 Norm: U+1F600 \U0001F600 is not in code page 1250; kept 5",
                         "key 14 Norm: U+03C9 \u03C9 is not in code page 1250; kept q",
                         "key 14 Shift: U+03A9 \u03A9 is not in code page 1250; kept Q",
                         "key 49 Norm: U+066B \u066B is not in code page 1250; kept ,",
                     }));
    std::string keys;
    for (int key : {2, 3, 4, 6, 14, 49}) {
        keys += KeyText(built->layout, key) + "\n";
    }
    EXPECT_EQ(keys, "2: 31 31 21 20 31 0\n"
                    "3: 32 21 40 21 21 0\n"
                    "4: 33 24 80 20 24 0\n"
                    "6: 35 35 25 20 35 0\n"
                    "14: 51 71 51 20 51 1\n"
                    "49: 6E 2C 2C 20 2C 0\n");
}

// The kept byte reads in the code page: 0xB8 is ё in 1251.
TEST(NotCarriedText, ShowsTheKeptByteInTheCodePage) {
    const NotCarried item{1, LayerShift, NotCarriedWhy::NotInCodePage, U'\u20AC', "EuroSign", 0xB8};
    EXPECT_EQ(NotCarriedText(item, CodePage::LoadOrLatin1(1251)),
              "key 1 Shift: U+20AC \u20AC is not in code page 1251; kept \u0451");
}

} // namespace
} // namespace kbd
