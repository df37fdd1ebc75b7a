// kbdtool type, run as a process: one line per press, what Windows 95 types.
#include "image_builder.h"
#include "tool_run.h"

namespace {

struct TypeLine {
    const char* name;
    std::string args;
    int status;
    std::string out;
    std::string err; // the start of standard error
};

class TypeCommand : public ToolTest, public testing::WithParamInterface<TypeLine> {};

TEST_P(TypeCommand, PrintsEachPress) {
    ASSERT_EQ(Run("default good.kbd").status, 0);
    Write("short.kbd", Read("good.kbd").substr(0, 100));
    Write("layout.json", DefaultJson().dump());
    kbd::driver::test::ImageSpec shape;
    shape.tables = {{0, 0, {0xDD, 'A', 'Q'}, {'^', 'a', 'q'}}};
    shape.scans = {0x1B, 0x1E, 0x10};
    shape.scanKeys = {0xDD, 'A', 'Q'};
    shape.nDeadKeys = 1;
    shape.deadKeys = {'^'};
    shape.compose = {{'^', 'a', 0xE2}};
    const auto dead = kbd::driver::test::BuildImage(shape);
    Write("dead.kbd", std::string(dead.begin(), dead.end()));
    // A fourth level, and a Caps key with AltGr but none: the rule gives it the capital.
    Write("fourth.klc", "KBD\tQZ\t\"Test\"\r\nSHIFTSTATE\r\n0\r\n1\r\n6\r\n7\r\nLAYOUT\r\n"
                        "1e\tA\t1\ta\tA\t0105\t0104\r\n12\tE\t1\te\tE\t0119\t-1\r\nENDKBD\r\n");
    Write("fourth.xkb", "xkb_symbols \"basic\" {\n key <AC01> { [ a, A, aogonek, Aogonek ] };\n"
                        " key <AD03> { [ e, E, eogonek ] };\n"
                        " key <AD11> { [ dead_circumflex, braceleft ] };\n};\n");
    for (const std::string source : {"klc", "xkb"}) {
        ASSERT_EQ(Run("import fourth." + source + " " + source + ".kbd --codepage 1250").status, 0);
    }
    ASSERT_EQ(Run("from-xkb ./fourth.xkb plain.kbd --codepage 1250 --no-dead-keys").status, 0);

    const ToolRun run = Run(GetParam().args);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.out, GetParam().out);
    EXPECT_EQ(run.err.substr(0, GetParam().err.size()), GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    , TypeCommand,
    testing::Values(
        TypeLine{"KlcFourthColumn",
                 "type klc.kbd --codepage 1250 AltGr+27 Shift+AltGr+27 CapsLock AltGr+16", 0,
                 "AltGr+27\tB9 \u0105\nShift+AltGr+27\tA5 \u0104\nCapsLock\tCaps Lock on\n"
                 "AltGr+16\tCA \u0118\n",
                 ""},
        TypeLine{"XkbFourthLevel",
                 "type xkb.kbd --codepage 1250 AltGr+27 Shift+AltGr+27 CapsLock AltGr+16", 0,
                 "AltGr+27\tB9 \u0105\nShift+AltGr+27\tA5 \u0104\nCapsLock\tCaps Lock on\n"
                 "AltGr+16\tCA \u0118\n",
                 ""},
        // A path's dead accent composes as a system layout's does, or stays the accent.
        TypeLine{"XkbDeadKey", "type xkb.kbd --codepage 1250 24 27 24 14", 0,
                 "24\tdead 5E ^\n27\tE2 \u00E2\n24\tdead 5E ^\n14\t5E ^ 71 q\n", ""},
        TypeLine{"XkbDeadKeyPlain", "type plain.kbd --codepage 1250 24 27", 0,
                 "24\t5E ^\n27\t61 a\n", ""},
        TypeLine{"Layers", "type good.kbd 14 Shift+14 AltGr+14 Shift+AltGr+14", 0,
                 "14\t71 q\nShift+14\t51 Q\nAltGr+14\t5C \\\nShift+AltGr+14\tnothing\n", ""},
        TypeLine{"CapsLockTakesAltGrAway", "type good.kbd CapsLock AltGr+14 14 CapsLock 14", 0,
                 "CapsLock\tCaps Lock on\nAltGr+14\tnothing\n14\t51 Q\nCapsLock\tCaps Lock "
                 "off\n14\t71 q\n",
                 ""},
        TypeLine{"CtrlLetterShowsItsControlPicture", "type good.kbd Ctrl+27", 0,
                 "Ctrl+27\t01 \xE2\x90\x81\n", ""},
        TypeLine{"ChosenCodePage", "type good.kbd --codepage 1252 AltGr+9", 0,
                 "AltGr+9\tFF \xC3\xBF\n", ""},
        TypeLine{"DefaultCodePage", "type good.kbd AltGr+9", 0, "AltGr+9\tFF \xCB\x99\n", ""},
        TypeLine{"Json", "type layout.json Alt+14", 0, "Alt+14\t71 q\n", ""},
        TypeLine{"DeadKeys", "type dead.kbd 25 27 25 14", 0,
                 "25\tdead 5E ^\n27\tE2 \xC3\xA2\n25\tdead 5E ^\n14\t5E ^ 71 q\n", ""},
        TypeLine{"RefusedFile", "type short.kbd 1", 1, "",
                 "kbdtool: The keyboard file's tables are malformed: short.kbd (pKbdStart 128 "
                 "with kbdSize 560 reaches past the end of the 100-byte file)\n"},
        TypeLine{"MissingFile", "type none.kbd 1", 1, "", "kbdtool: Cannot open the file: none"},
        TypeLine{"KeyZero", "type good.kbd 0", 2, "", "kbdtool: malformed press \"0\""},
        TypeLine{"KeyFifty", "type good.kbd 50", 2, "", "kbdtool: malformed press \"50\""},
        TypeLine{"LeadingZero", "type good.kbd 014", 2, "", "kbdtool: malformed press \"014\""},
        TypeLine{"ModifierOrder", "type good.kbd Shift+Ctrl+1", 2, "",
                 "kbdtool: malformed press \"Shift+Ctrl+1\""},
        TypeLine{"ModifierTwice", "type good.kbd Ctrl+Ctrl+1", 2, "",
                 "kbdtool: malformed press \"Ctrl+Ctrl+1\""},
        TypeLine{"BadPressBeforeBadFile", "type none.kbd 1 Caps", 2, "",
                 "kbdtool: malformed press \"Caps\""},
        TypeLine{"NoPress", "type good.kbd", 2, "", "kbdtool: "}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
