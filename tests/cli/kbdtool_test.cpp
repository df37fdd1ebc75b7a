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

TEST_F(ToolTest, ExportWritesOneFieldALineInTheLayoutsOrder) {
    auto json = DefaultJson();
    const std::pair<const char*, int> values[] = {{"VirtualKey", 0}, {"NormalChar", 97},
                                                  {"ShiftChar", 65}, {"AltGrChar", 0},
                                                  {"AnsiChar", 66},  {"CapsAffected", 0}};
    for (const auto& [field, value] : values) {
        json[field] = std::vector<int>(49, value);
    }
    Write("a.json", json.dump());
    ASSERT_EQ(Run("import " + Path("a.json") + " " + Path("a.kbd")).status, 0);
    auto row = [](const char* value) {
        std::string text = "[";
        for (int i = 0; i < 49; ++i) {
            text += (i == 0 ? "" : ",") + std::string(value);
        }
        return text + "]";
    };
    // Scan codes are not read from a file: those of the built-in layout.
    EXPECT_EQ(Run("export " + Path("a.kbd")).out,
              "{\n  \"ScanCode\": [41,2,3,4,5,6,7,8,9,10,11,12,13,16,17,18,19,20,21,22,23,24,25,"
              "26,27,43,30,31,32,33,34,35,36,37,38,39,40,44,45,46,47,48,49,50,51,52,53,86,83],\n"
              "  \"VirtualKey\": " +
                  row("0") + ",\n  \"NormalChar\": " + row("97") +
                  ",\n  \"ShiftChar\": " + row("65") + ",\n  \"AltGrChar\": " + row("0") +
                  ",\n  \"AnsiChar\": " + row("66") + ",\n  \"CapsAffected\": " + row("0") +
                  "\n}\n");
}

TEST_F(ToolTest, DefaultAndImportWriteTheScanCodesOfTheirLayout) {
    Write("d.kbd", "an older file");
    auto json = DefaultJson();
    json["ScanCode"] = std::vector<int>(49, 7);
    Write("scan.json", json.dump());
    json.erase("ScanCode");
    Write("none.json", json.dump());
    ASSERT_EQ(Run("import " + Path("scan.json") + " " + Path("s.kbd")).status, 0);
    ASSERT_EQ(Run("import " + Path("none.json") + " " + Path("n.kbd")).status, 0);
    ASSERT_EQ(Run("default " + Path("d.kbd")).status, 0);
    EXPECT_EQ(Read("s.kbd").substr(128 + 136, 49), std::string(49, '\x07'));
    EXPECT_EQ(Read("n.kbd"), Read("d.kbd"));
}

TEST_F(ToolTest, CheckPassesAndShowListsEveryKeyOfAFileTheEditorOpens) {
    ASSERT_EQ(Run("default " + Path("d.kbd")).status, 0);
    const ToolRun check = Run("check " + Path("d.kbd"));
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.out, Path("d.kbd") + ": the editor would open this file\n");
    const ToolRun run = Run("show " + Path("d.kbd"));
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("Key  Scan  VK  Norm    Shift   AltGr   ANSI    Caps\n"));
    EXPECT_EQ(ShowLine(run.out, 14), " 14  10    51  71 q    51 Q    5C \\    51 Q    yes\n");
    EXPECT_TRUE(run.out.ends_with(" 49  53    6E  2C ,    2C ,    00      2C ,    no\n"));
}

struct Glyph {
    const char* name;
    int codePage; // 0: no --codepage
    int code;
    const char* shown;
};

class ShowGlyph : public ToolTest, public testing::WithParamInterface<Glyph> {};

TEST_P(ShowGlyph, ReadsTheByteInTheChosenCodePage) {
    auto json = DefaultJson();
    json["NormalChar"][0] = GetParam().code;
    Write("l.json", json.dump());
    ASSERT_EQ(Run("import " + Path("l.json") + " " + Path("l.kbd")).status, 0);
    const int page = GetParam().codePage;
    const std::string option = page == 0 ? "" : " --codepage " + std::to_string(page);
    char norm[8];
    std::snprintf(norm, sizeof norm, "%02X ", GetParam().code);
    EXPECT_EQ(ShowLine(Run("show " + Path("l.kbd") + option).out, 1),
              "  1  29    C0  " + (norm + std::string(GetParam().shown)) +
                  "    7E ~    00      60 `    no\n");
}

// 0xB3 is ł in 1250 and ³ in 1252, so the first row shows the default code page; the
// code page's own tests hold the rules for what each byte shows.
INSTANTIATE_TEST_SUITE_P(Cells, ShowGlyph,
                         testing::Values(Glyph{"Default", 0, 0xB3, "ł"},
                                         Glyph{"Western", 1252, 0xB3, "³"},
                                         Glyph{"CombiningMark", 1258, 0xCC, "\u25CC\u0300"},
                                         Glyph{"NoBreakSpace", 1250, 0xA0, "\u00A0"},
                                         Glyph{"Zero", 1250, 0x00, " "}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Refused {
    const char* file;
    const char* message; // before ": FILE"
    const char* reason;  // after it
};

class RefusedFile : public ToolTest, public testing::WithParamInterface<Refused> {};

TEST_P(RefusedFile, IsReportedWithTheEditorsReasonAndNoOutput) {
    ASSERT_EQ(Run("default " + Path("good.kbd")).status, 0);
    const std::string good = Read("good.kbd");
    Write("short.kbd", good.substr(0, 687));
    Write("zeros.kbd", std::string(688, '\0'));
    std::filesystem::create_directory(Path("folder.kbd"));

    const std::string file = Path(GetParam().file);
    const std::string why =
        "kbdtool: " + std::string(GetParam().message) + ": " + file + GetParam().reason + "\n";
    // Where a command writes a file, it is given one that must not appear.
    const std::pair<const char*, const char*> commands[] = {
        {"check", ""},  {"show", ""},           {"lint", ""},
        {"export", ""}, {"export", "out.json"}, {"picture", "out.svg"}};
    for (const auto& [command, out] : commands) {
        const ToolRun run =
            Run(std::string(command) + " " + file + (*out != '\0' ? " " + Path(out) : ""));
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.err, why) << command;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(Files(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFile,
    testing::Values(Refused{"short.kbd", "The file is shorter than 688 bytes", ""},
                    Refused{"zeros.kbd", "The file has no signature of this program", ""},
                    Refused{"folder.kbd", "Not a regular file", ""},
                    Refused{"missing.kbd", "Cannot open the file", " (No such file or directory)"}),
    [](const auto& info) {
        const std::string file = info.param.file;
        return file.substr(0, file.find('.'));
    });

TEST_F(ToolTest, FailedOutputIsReportedAndLeavesNoFile) {
    ASSERT_EQ(Run("default " + Path("d.kbd")).status, 0);
    const ToolRun full = Run("export " + Path("d.kbd") + " >/dev/full");
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err, "kbdtool: cannot write to standard output\n");
    EXPECT_EQ(Run("default " + Path("no/folder.kbd")).status, 1);
    EXPECT_EQ(Run("export " + Path("d.kbd") + " " + Path("no/folder.json")).status, 1);
    EXPECT_EQ(Run("import " + Path("no.json") + " " + Path("o.kbd")).status, 1);
    EXPECT_EQ(Files(), 1);
}

// The parser's own wording is its business; what follows it, and the status, are ours.
TEST_F(ToolTest, WrongUsageExitsWithTwoAndTheUsageText) {
    const ToolRun help = Run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage:\n  kbdtool ")) << help.out;

    const ToolRun none = Run("");
    EXPECT_EQ(none.status, 2);
    EXPECT_TRUE(none.err.starts_with("kbdtool: ") && none.err.ends_with("\n" + help.out));
    for (const char* command : {"show f.kbd", "lint f.kbd", "picture f.kbd o.svg"}) {
        const ToolRun page = Run(std::string(command) + " --codepage 99");
        EXPECT_EQ(page.status, 2) << command;
        EXPECT_EQ(page.err, "kbdtool: code page 99 is not known to iconv\n" + help.out) << command;
    }
}

} // namespace
