#include "tool_run.h"

namespace {

// The show line of key number `key` (1..49), found by its right-aligned number.
std::string ShowLine(const std::string& table, int key) {
    char prefix[8];
    std::snprintf(prefix, sizeof prefix, "\n%3d  ", key);
    const auto at = table.find(prefix);
    return at == std::string::npos ? "" : table.substr(at + 1, table.find('\n', at + 1) - at);
}

TEST_F(ToolTest, ExportThenImportGivesTheSameFile) {
    // Distinct virtual-key codes and every AltGr character above 32: a file carries it
    // all. ScanCode is left out, as no file carries it back.
    auto varied = DefaultJson();
    varied.erase("ScanCode");
    for (int i = 0; i < 49; ++i) {
        varied["VirtualKey"][i] = 0x30 + i, varied["NormalChar"][i] = 0x80 + i;
        varied["AltGrChar"][i] = 33 + 4 * i, varied["CapsAffected"][i] = i % 2;
    }
    // Two whole read chunks of 4096 bytes, the closing brace at the very end.
    std::string text = varied.dump();
    Write("a.json", text.insert(text.size() - 1, 8192 - text.size(), ' '));
    ASSERT_EQ(Run("import " + Path("a.json") + " " + Path("a.kbd")).status, 0);
    ASSERT_EQ(Run("default " + Path("d.kbd")).status, 0);
    for (const std::string name : {"a", "d"}) {
        const std::string kbd = Path(name + ".kbd"), json = Path(name + "2.json");
        ASSERT_EQ(Run("export " + kbd + " " + json).status, 0);
        ASSERT_EQ(Run("import " + json + " " + Path(name + "2.kbd")).status, 0);
        EXPECT_EQ(Read(name + "2.kbd"), Read(name + ".kbd")) << name;
        EXPECT_EQ(Run("export " + kbd).out, Read(name + "2.json"));
    }
}

// A file keeps the scan codes import is given, but they are not read back: export shows
// those of the built-in layout.
TEST_F(ToolTest, ExportWritesOneFieldALineInTheLayoutsOrder) {
    auto json = DefaultJson();
    const std::pair<const char*, int> values[] = {
        {"ScanCode", 7},  {"VirtualKey", 0}, {"NormalChar", 97}, {"ShiftChar", 65},
        {"AltGrChar", 0}, {"AnsiChar", 66},  {"CapsAffected", 0}};
    for (const auto& [field, value] : values) {
        json[field] = std::vector<int>(49, value);
    }
    Write("a.json", json.dump());
    ASSERT_EQ(Run("import " + Path("a.json") + " " + Path("a.kbd")).status, 0);
    EXPECT_EQ(Read("a.kbd").substr(128 + 136, 49), std::string(49, '\x07'));
    auto row = [](const char* value) {
        std::string text = "[";
        for (int i = 0; i < 49; ++i) {
            text += (i == 0 ? "" : ",") + std::string(value);
        }
        return text + "]";
    };
    EXPECT_EQ(Run("export " + Path("a.kbd")).out,
              "{\n  \"ScanCode\": [41,2,3,4,5,6,7,8,9,10,11,12,13,16,17,18,19,20,21,22,23,24,25,"
              "26,27,43,30,31,32,33,34,35,36,37,38,39,40,44,45,46,47,48,49,50,51,52,53,86,83],\n"
              "  \"VirtualKey\": " +
                  row("0") + ",\n  \"NormalChar\": " + row("97") +
                  ",\n  \"ShiftChar\": " + row("65") + ",\n  \"AltGrChar\": " + row("0") +
                  ",\n  \"AnsiChar\": " + row("66") + ",\n  \"CapsAffected\": " + row("0") +
                  "\n}\n");
}

// Show reads the bytes in code page 1250 unless told another: 0xFF is ˙ there, ÿ in 1252.
TEST_F(ToolTest, CheckPassesAndShowListsEveryKeyOfAFileTheEditorOpens) {
    ASSERT_EQ(Run("default " + Path("d.kbd")).status, 0);
    const ToolRun check = Run("check " + Path("d.kbd"));
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.out, Path("d.kbd") + ": the editor would open this file\n");
    Write("d.json", DefaultJson().dump());
    EXPECT_EQ(Run("check " + Path("d.json")).out,
              Path("d.json") + ": kbdtool import would take this file\n");
    const ToolRun run = Run("show " + Path("d.kbd"));
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("Key  Scan  VK  Norm    Shift   AltGr   ANSI    Caps\n"));
    EXPECT_EQ(ShowLine(run.out, 9), "  9  09    38  38 8    2A *    FF \u02D9    38 8    no\n");
    EXPECT_EQ(ShowLine(run.out, 14), " 14  10    51  71 q    51 Q    5C \\    51 Q    yes\n");
    // Byte 0 shows as a space, so that the columns stay.
    EXPECT_TRUE(run.out.ends_with(" 49  53    6E  2C ,    2C ,    00      2C ,    no\n"));
    EXPECT_EQ(ShowLine(Run("show " + Path("d.kbd") + " --codepage 1252").out, 9),
              "  9  09    38  38 8    2A *    FF \u00FF    38 8    no\n");
}

struct Refusal {
    const char* name;
    std::string args;
    std::string err; // all of standard error
};

class Refused : public ToolTest, public testing::WithParamInterface<Refusal> {};

// Every command that reads a layout meets one kind of refused input, every command that
// writes one a place it cannot write: status 1, the reason, and no file made or changed.
TEST_P(Refused, WithTheReasonAndNothingWritten) {
    ASSERT_EQ(Run("default good.kbd").status, 0);
    Write("short.kbd", Read("good.kbd").substr(0, 687));
    Write("zeros.kbd", std::string(688, '\0'));
    std::filesystem::create_directory(Path("folder.kbd"));
    auto json = DefaultJson();
    json.erase("AltGrChar");
    Write("bad.json", json.dump());
    Write("kept.out", "an older file");
    const auto names = Names();

    const ToolRun run = Run(GetParam().args);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, GetParam().err);
    EXPECT_EQ(Names(), names);
    EXPECT_EQ(Read("kept.out"), "an older file");
}

const std::string kNoSuchFile = " (No such file or directory)\n";
const std::string kShort = "kbdtool: The file is shorter than 688 bytes: short.kbd\n";

INSTANTIATE_TEST_SUITE_P(
    , Refused,
    testing::Values(
        Refusal{"CheckShort", "check short.kbd", kShort},
        Refusal{"ShowWithoutSignature", "show zeros.kbd",
                "kbdtool: The file has no signature of this program: zeros.kbd\n"},
        Refusal{"LintFolder", "lint folder.kbd", "kbdtool: Not a regular file: folder.kbd\n"},
        Refusal{"ExportMissing", "export missing.kbd kept.out",
                "kbdtool: Cannot open the file: missing.kbd" + kNoSuchFile},
        Refusal{"PictureShort", "picture short.kbd p.svg", kShort},
        Refusal{"ToXkbBadJson", "to-xkb bad.json kept.out",
                "kbdtool: bad.json: AltGrChar: missing\n"},
        Refusal{"ToKlcShort", "to-klc short.kbd kept.out", kShort},
        Refusal{"FloppyShort", "floppy short.kbd kept.out", kShort},
        Refusal{"ImportMissing", "import no.json kept.out",
                "kbdtool: Cannot open the file: no.json" + kNoSuchFile},
        Refusal{"DefaultIntoNoFolder", "default no/d.kbd",
                "kbdtool: Cannot create the file: no/d.kbd" + kNoSuchFile},
        Refusal{"ExportIntoNoFolder", "export good.kbd no/e.json",
                "kbdtool: Cannot create the file: no/e.json" + kNoSuchFile},
        Refusal{"ExportToAFullDisk", "export good.kbd >/dev/full",
                "kbdtool: cannot write to standard output\n"},
        Refusal{"PictureFormat", "picture good.kbd p.gif",
                "kbdtool: p.gif: not a picture format kbdtool writes (use .svg, .pdf or .png)\n"},
        Refusal{"KlcLacksACharacter", "to-klc good.kbd kept.out --codepage 1253",
                "kbdtool: kept.out: the layout cannot become a .klc file: key 9 AltGr 0xFF is "
                "not a character of code page 1253 (Greek)\n"},
        Refusal{"FloppyIntoNoFolder", "floppy good.kbd no/f.img",
                "kbdtool: no/f.img: cannot make a scratch folder beside it (No such file or "
                "directory)\n"},
        Refusal{"UnknownSystemLayout", "from-xkb zz kept.out",
                "kbdtool: no system layout is named \"zz\" (kbdtool layouts lists them)\n"},
        // libxkbcommon would compile this helper file as a layout of nothing.
        Refusal{"HelperFileNotALayout", "from-xkb pc kept.out",
                "kbdtool: no system layout is named \"pc\" (kbdtool layouts lists them)\n"},
        // Listed, but xkeyboard-config has no file for it.
        Refusal{"ListedWithoutAFile", "from-xkb custom kept.out",
                "kbdtool: libxkbcommon cannot compile the system layout \"custom\"\n"},
        Refusal{"FromXkbCodePage", "from-xkb de kept.out --codepage 999",
                "kbdtool: code page 999 is not known to iconv\n"},
        // Nothing is listed as left out of a file that was never written.
        Refusal{"FromXkbIntoNoFolder", "from-xkb rs no/x.kbd --codepage 1251",
                "kbdtool: Cannot create the file: no/x.kbd" + kNoSuchFile}),
    [](const auto& info) { return std::string(info.param.name); });

struct Usage {
    const char* name;
    const char* args;
    const char* says; // what follows "kbdtool: ", or nullptr for the parser's own words
};

class WrongUsage : public ToolTest, public testing::WithParamInterface<Usage> {};

TEST_P(WrongUsage, ExitsWithTwoAndTheUsageText) {
    const ToolRun help = Run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage:\n  kbdtool ")) << help.out;
    const ToolRun run = Run(GetParam().args);
    EXPECT_EQ(run.status, 2);
    const std::string says = GetParam().says ? GetParam().says + std::string("\n") : "";
    EXPECT_TRUE(run.err.starts_with("kbdtool: " + says)) << run.err;
    EXPECT_TRUE(run.err.ends_with("\n" + help.out)) << run.err;
    EXPECT_EQ(Names(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    , WrongUsage,
    testing::Values(Usage{"NoCommand", "", nullptr},
                    Usage{"LintCodePage", "lint f.kbd --codepage 99",
                          "code page 99 is not known to iconv"},
                    Usage{"ToKlcCodePage", "to-klc f.kbd o.klc --codepage 99",
                          "code page 99 is not known to iconv"},
                    Usage{"ToXkbWithoutOut", "to-xkb f.kbd", nullptr},
                    Usage{"ToXkbExtraArgument", "to-xkb f.kbd o c", nullptr},
                    Usage{"NameWithoutText", "to-klc f.kbd o --name", nullptr},
                    Usage{"FloppyHasNoCodePage", "floppy f.kbd o.img --codepage 1250", nullptr},
                    Usage{"FromXkbCodePageNotANumber", "from-xkb de x.kbd --codepage x", nullptr},
                    Usage{"FromXkbWithoutOut", "from-xkb de --codepage 1250", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
