// kbdtool's layouts and from-xkb, run as a shell runs them, on this machine's
// xkeyboard-config; their refusals are rows of kbdtool_test's table.
#include "layout/writer.h"
#include "system_layouts/layout_from_xkb.h"
#include "tool_run.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

TEST_F(ToolTest, LayoutsListsEveryLayoutAndVariantOrThoseThatHoldTheText) {
    const ToolRun run = Run("layouts");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_GT(std::count(run.out.begin(), run.out.end(), '\n'), 500);
    EXPECT_TRUE(run.out.starts_with("us\tEnglish (US)\n")) << run.out.substr(0, 100);
    EXPECT_NE(run.out.find("\nde\tGerman\n"), std::string::npos);
    EXPECT_EQ(Run("layouts 'DE(NODEAD'").out, "de(nodeadkeys)\tGerman (no dead keys)\n");
}

// The editor's save of the library's layout, byte for byte, and a line on standard error
// for each character left out; code page 1250 unless told another.
TEST_F(ToolTest, FromXkbWritesTheLayoutAndNamesWhatItLeftOut) {
    // The layout, its code page (0: no --codepage) and the start of standard error.
    const std::tuple<const char*, int, const char*> layouts[] = {
        // Serbian in its own code page: only AltGr characters that 1251 lacks.
        {"rs", 1251,
         "key 9 AltGr: dead_doublegrave has no character; left empty\n"
         "key 10 AltGr: U+00B4 \u00B4 is not in code page 1251; left empty\n"},
        {"ru", 0, "key 1 Norm: U+0451 \u0451 is not in code page 1250; kept `\n"},
        {"de(nodeadkeys)", 0, "key 2 AltGr: U+00B9 \u00B9 is not in code page 1250; left empty\n"}};
    for (const auto& [id, codePage, err] : layouts) {
        const std::string option = codePage ? " --codepage " + std::to_string(codePage) : "";
        const ToolRun run = Run(std::string("from-xkb '") + id + "' x.kbd" + option);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, "");
        const auto built = kbd::BuildSystemLayout(*kbd::ParseLayoutId(id),
                                                  *kbd::CodePage::Load(codePage ? codePage : 1250));
        ASSERT_TRUE(built);
        const std::vector<std::uint8_t> image = kbd::BuildKbdFile(built->layout);
        EXPECT_EQ(Read("x.kbd"), std::string(image.begin(), image.end())) << id;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), built->notCarried.size());
        EXPECT_EQ(run.err.substr(0, std::strlen(err)), err);
    }
    EXPECT_EQ(Run("lint x.kbd").status, 0); // a built layout loses nothing on a save
}

// French's circumflex key is dead and composes with e (also after a round through a .klc,
// its @ cells and DEADKEY sections), Greek tonos with α, Czech acute and caron with e and c
// but not with the period; without dead keys each types its accent alone, French in the
// file the library builds without them. Polish Ą is on Shift+AltGr either way.
TEST_F(ToolTest, FromXkbCarriesDeadKeysUnlessToldNot) {
    // The layout, its code page, the option, the presses and what they type.
    const std::tuple<const char*, const char*, const char*, const char*, const char*> rows[] = {
        {"gr", "1253", "", "36 27", "36\tdead B4 \u0384\n27\tDC \u03AC\n"},
        {"gr", "1253", " --no-dead-keys", "36 27", "36\tB4 \u0384\n27\tE1 \u03B1\n"},
        {"cz", "1250", "", "13 16 Shift+13 46",
         "13\tdead B4 \u00B4\n16\tE9 \u00E9\nShift+13\tdead A1 \u02C7\n46\tA1 \u02C7 2E .\n"},
        {"cz", "1250", " --no-dead-keys", "13 16", "13\tB4 \u00B4\n16\t65 e\n"},
        {"pl", "1250", "", "Shift+AltGr+27", "Shift+AltGr+27\tA5 \u0104\n"},
        {"pl", "1250", " --no-dead-keys", "Shift+AltGr+27", "Shift+AltGr+27\tA5 \u0104\n"},
        {"fr", "1252", "", "24 16", "24\tdead 5E ^\n16\tEA \u00EA\n"},
        {"fr", "1252", " --no-dead-keys", "24 16", "24\t5E ^\n16\t65 e\n"}};
    for (const auto& [id, codePage, option, presses, typed] : rows) {
        const std::string page = std::string(" --codepage ") + codePage;
        ASSERT_EQ(Run(std::string("from-xkb ") + id + " x.kbd" + page + option).status, 0);
        EXPECT_EQ(Run("type x.kbd" + page + " " + presses).out, typed) << id << option;
        ASSERT_EQ(Run("to-klc x.kbd x.klc" + page).status, 0);
        ASSERT_EQ(Run("import x.klc y.kbd" + page).status, 0);
        EXPECT_EQ(Read("y.kbd"), Read("x.kbd")) << option;
    }
    const auto built = kbd::BuildSystemLayout("fr", "", *kbd::CodePage::Load(1252), false);
    ASSERT_TRUE(built);
    const std::vector<std::uint8_t> image = kbd::BuildKbdFile(built->layout);
    EXPECT_EQ(Read("x.kbd"), std::string(image.begin(), image.end()));
}

} // namespace
