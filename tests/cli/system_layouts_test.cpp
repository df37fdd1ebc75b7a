// kbdtool's layouts and from-xkb, run as a shell runs them, on this machine's
// xkeyboard-config.
#include "layout/writer.h"
#include "system_layouts/layout_from_xkb.h"
#include "tool_run.h"

#include <algorithm>

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; at < text.size(); at = end + 1) {
        end = text.find('\n', at);
        lines.push_back(text.substr(at, end - at));
        if (end == std::string::npos) {
            break;
        }
    }
    return lines;
}

bool HasLine(const std::string& text, const std::string& line) {
    const auto lines = Lines(text);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST_F(ToolTest, LayoutsListsEveryLayoutAndVariantWithItsDescription) {
    const ToolRun run = Run("layouts");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const auto lines = Lines(run.out);
    EXPECT_GT(lines.size(), 500u);
    EXPECT_EQ(lines.front(), "us\tEnglish (US)");
    EXPECT_TRUE(HasLine(run.out, "de\tGerman"));
    EXPECT_TRUE(HasLine(run.out, "de(nodeadkeys)\tGerman (no dead keys)"));
    EXPECT_EQ(run.out.back(), '\n');
}

TEST_F(ToolTest, LayoutsFiltersOnNameOrDescriptionInAnyCase) {
    EXPECT_EQ(Run("layouts 'DE(NODEAD'").out, "de(nodeadkeys)\tGerman (no dead keys)\n");
    const ToolRun serbian = Run("layouts sErBiAn");
    EXPECT_EQ(serbian.status, 0);
    EXPECT_TRUE(HasLine(serbian.out, "rs\tSerbian"));
    EXPECT_TRUE(HasLine(serbian.out, "rs(latin)\tSerbian (Latin)"));
    EXPECT_TRUE(HasLine(serbian.out, "ru(srp)\tSerbian (Russia)")); // by description only
    for (const std::string& line : Lines(serbian.out)) {
        std::string lower = line;
        std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
        EXPECT_NE(lower.find("serbian"), std::string::npos) << line;
    }
    const ToolRun none = Run("layouts no-such-layout-anywhere");
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "");
}

// Serbian Cyrillic in its own code page: every letter fits, only AltGr characters that
// 1251 lacks are left out, one line each, and the file is written all the same.
TEST_F(ToolTest, FromXkbWritesTheLayoutAndNamesWhatItLeftOut) {
    const ToolRun run = Run("from-xkb rs " + Path("rs.kbd") + " --codepage 1251");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "key 9 AltGr: dead_doublegrave has no character; left empty\n"
                       "key 10 AltGr: U+00B4 \u00B4 is not in code page 1251; left empty\n"
                       "key 11 AltGr: dead_invertedbreve has no character; left empty\n"
                       "key 12 AltGr: U+00AF \u00AF is not in code page 1251; left empty\n"
                       "key 19 AltGr: U+2190 \u2190 is not in code page 1251; left empty\n"
                       "key 20 AltGr: U+2193 \u2193 is not in code page 1251; left empty\n"
                       "key 21 AltGr: U+2192 \u2192 is not in code page 1251; left empty\n"
                       "key 24 AltGr: U+00F7 \u00F7 is not in code page 1251; left empty\n"
                       "key 25 AltGr: U+00D7 \u00D7 is not in code page 1251; left empty\n"
                       "key 40 AltGr: U+00A2 \u00A2 is not in code page 1251; left empty\n");
    // The editor's save of the library's layout, byte for byte.
    const auto built = kbd::BuildSystemLayout("rs", "", *kbd::CodePage::Load(1251));
    ASSERT_TRUE(built);
    const kbd::KbdImage image = kbd::BuildKbdImage(built->layout);
    EXPECT_EQ(Read("rs.kbd"), std::string(image.begin(), image.end()));
    // Key 14's plain character is Serbian lje (0x9A in 1251).
    EXPECT_EQ(Read("rs.kbd")[128 + 304 + 13], '\x9A');
    EXPECT_EQ(Run("lint " + Path("rs.kbd") + " --codepage 1251").out, "no findings\n");
}

TEST_F(ToolTest, FromXkbReadsInCodePage1250WithoutTheOption) {
    const ToolRun run = Run("from-xkb 'ru' " + Path("ru.kbd"));
    EXPECT_EQ(run.status, 0);
    const auto lines = Lines(run.err);
    ASSERT_EQ(lines.size(), 68u);
    EXPECT_EQ(lines[0], "key 1 Norm: U+0451 \u0451 is not in code page 1250; kept `");
    EXPECT_EQ(lines[4], "key 14 Norm: U+0439 \u0439 is not in code page 1250; kept q");
    EXPECT_EQ(Read("ru.kbd").size(), 688u);
}

TEST_F(ToolTest, FromXkbTakesAVariant) {
    ASSERT_EQ(Run("from-xkb 'de(nodeadkeys)' " + Path("de.kbd")).status, 0);
    // Without dead keys, the key beside Backspace types the spacing acute itself.
    EXPECT_EQ(Read("de.kbd")[128 + 304 + 12], '\xB4');
    // Z's place has Y's code and the other way round.
    EXPECT_EQ(Read("de.kbd")[128 + 192 + 18], 'Z');
    EXPECT_EQ(Read("de.kbd")[128 + 192 + 37], 'Y');
}

struct Refusal {
    const char* name;
    std::string args; // OUT stands for the file x.kbd in the test's folder
    int status;
    std::string err; // the first line of standard error
};

void PrintTo(const Refusal& refusal, std::ostream* os) {
    *os << refusal.name;
}

class FromXkbRefusal : public ToolTest, public testing::WithParamInterface<Refusal> {};

// Nothing written, and a file already there is left as it was.
TEST_P(FromXkbRefusal, WritesNothing) {
    Write("x.kbd", "an older file");
    std::string args = GetParam().args;
    if (const auto out = args.find("OUT"); out != std::string::npos) {
        args.replace(out, 3, Path("x.kbd"));
    }
    const ToolRun run = Run("from-xkb " + args);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(Lines(run.err).front(), GetParam().err);
    EXPECT_EQ(Read("x.kbd"), "an older file");
    EXPECT_EQ(Files(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    , FromXkbRefusal,
    testing::Values(
        Refusal{"UnknownLayout", "zz OUT", 1,
                "kbdtool: no system layout is named \"zz\" (kbdtool layouts lists them)"},
        Refusal{"UnknownVariant", "'de(bogus)' OUT", 1,
                "kbdtool: no system layout is named \"de(bogus)\" (kbdtool layouts lists them)"},
        // libxkbcommon would compile this helper file as a layout of nothing.
        Refusal{"HelperFileNotALayout", "pc OUT", 1,
                "kbdtool: no system layout is named \"pc\" (kbdtool layouts lists them)"},
        Refusal{"TwoLayouts", "de,ru OUT", 1,
                "kbdtool: no system layout is named \"de,ru\" (kbdtool layouts lists them)"},
        // Listed, but xkeyboard-config has no file for it.
        Refusal{"ListedWithoutAFile", "custom OUT", 1,
                "kbdtool: libxkbcommon cannot compile the system layout \"custom\""},
        Refusal{"UnknownCodePage", "de OUT --codepage 999", 1,
                "kbdtool: code page 999 is not known to iconv"},
        Refusal{"CodePageNotANumber", "de OUT --codepage x", 2,
                "kbdtool: Could not convert: --codepage = x"},
        Refusal{"NoOutput", "de --codepage 1250", 2, "kbdtool: OUT.kbd is required"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST_F(ToolTest, FromXkbNamesTheFileItCannotWriteAndListsNothing) {
    const ToolRun run = Run("from-xkb rs " + Path("none/x.kbd") + " --codepage 1251");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kbdtool: Cannot create the file: " + Path("none/x.kbd") +
                           " (No such file or directory)\n");
    EXPECT_EQ(Files(), 0);
}

} // namespace
