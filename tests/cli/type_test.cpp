// kbdtool type, run as a process: one line per press, what Windows 95 types.
#include "tool_run.h"

namespace {

struct TypeLine {
    const char* name;
    std::string args; // after "type "
    int status;
    std::string out;
    std::string err = ""; // the start of standard error
};

class TypeCommand : public ToolTest, public testing::WithParamInterface<TypeLine> {};

TEST_P(TypeCommand, PrintsEachPress) {
    ASSERT_EQ(Run("default good.kbd").status, 0);
    Write("short.kbd", Read("good.kbd").substr(0, 100));
    Write("layout.json", DefaultJson().dump());
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

    const ToolRun run = Run("type " + GetParam().args);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.out, GetParam().out);
    EXPECT_EQ(run.err.substr(0, GetParam().err.size()), GetParam().err);
}

const std::string kFourth = " --codepage 1250 AltGr+27 Shift+AltGr+27 CapsLock AltGr+16";
const std::string kFourthTyped = "AltGr+27\tB9 \u0105\nShift+AltGr+27\tA5 \u0104\n"
                                 "CapsLock\tCaps Lock on\nAltGr+16\tCA \u0118\n";

// `args` is wrong usage for its press `press`.
TypeLine Malformed(const char* name, const std::string& args, const std::string& press) {
    return {name, args, 2, "", "kbdtool: malformed press \"" + press + "\""};
}

INSTANTIATE_TEST_SUITE_P(
    , TypeCommand,
    testing::Values(
        TypeLine{"KlcFourthColumn", "klc.kbd" + kFourth, 0, kFourthTyped},
        TypeLine{"XkbFourthLevel", "xkb.kbd" + kFourth, 0, kFourthTyped},
        // A path's dead accent composes as a system layout's does, or stays the accent.
        TypeLine{"XkbDeadKey", "xkb.kbd --codepage 1250 24 27 24 14", 0,
                 "24\tdead 5E ^\n27\tE2 \u00E2\n24\tdead 5E ^\n14\t5E ^ 71 q\n"},
        TypeLine{"XkbDeadKeyPlain", "plain.kbd --codepage 1250 24 27", 0, "24\t5E ^\n27\t61 a\n"},
        TypeLine{"Layers", "good.kbd 14 Shift+14 AltGr+14 Shift+AltGr+14", 0,
                 "14\t71 q\nShift+14\t51 Q\nAltGr+14\t5C \\\nShift+AltGr+14\tnothing\n"},
        TypeLine{"CapsLockTakesAltGrAway", "good.kbd CapsLock AltGr+14 14 CapsLock 14", 0,
                 "CapsLock\tCaps Lock on\nAltGr+14\tnothing\n14\t51 Q\nCapsLock\tCaps Lock "
                 "off\n14\t71 q\n"},
        TypeLine{"CtrlLetterShowsItsControlPicture", "good.kbd Ctrl+27", 0,
                 "Ctrl+27\t01 \xE2\x90\x81\n"},
        TypeLine{"ChosenCodePage", "good.kbd --codepage 1252 AltGr+9", 0, "AltGr+9\tFF \xC3\xBF\n"},
        TypeLine{"DefaultCodePage", "good.kbd AltGr+9", 0, "AltGr+9\tFF \xCB\x99\n"},
        TypeLine{"Json", "layout.json Alt+14", 0, "Alt+14\t71 q\n"},
        TypeLine{"RefusedFile", "short.kbd 1", 1, "",
                 "kbdtool: The keyboard file's tables are malformed: short.kbd (pKbdStart 128 "
                 "with kbdSize 560 reaches past the end of the 100-byte file)\n"},
        TypeLine{"MissingFile", "none.kbd 1", 1, "", "kbdtool: Cannot open the file: none"},
        Malformed("KeyZero", "good.kbd 0", "0"), Malformed("KeyFifty", "good.kbd 50", "50"),
        Malformed("LeadingZero", "good.kbd 014", "014"),
        Malformed("ModifierOrder", "good.kbd Shift+Ctrl+1", "Shift+Ctrl+1"),
        Malformed("ModifierTwice", "good.kbd Ctrl+Ctrl+1", "Ctrl+Ctrl+1"),
        Malformed("BadPressBeforeBadFile", "none.kbd 1 Caps", "Caps"),
        TypeLine{"NoPress", "good.kbd", 2, "", "kbdtool: "}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
