#include "layout/result.h"
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
    Write("a.json", varied.dump());
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

TEST_F(ToolTest, ShowListsEveryKeyOfTheFile) {
    ASSERT_EQ(Run("default " + Path("d.kbd")).status, 0);
    const ToolRun run = Run("show " + Path("d.kbd"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1 + 49);
    EXPECT_EQ(ShowLine(run.out, 14), " 14  10    51  71 q    51 Q    5C \\    51 Q    yes\n");
}

struct Glyph {
    int codePage;
    int code;
    const char* shown;
};

void PrintTo(const Glyph& glyph, std::ostream* os) {
    *os << "CP" << glyph.codePage << " byte " << glyph.code;
}

class ShowGlyph : public ToolTest, public testing::WithParamInterface<Glyph> {};

TEST_P(ShowGlyph, ReadsTheByteInTheChosenCodePage) {
    auto json = DefaultJson();
    json["NormalChar"][0] = GetParam().code;
    Write("l.json", json.dump());
    ASSERT_EQ(Run("import " + Path("l.json") + " " + Path("l.kbd")).status, 0);
    const std::string line = ShowLine(
        Run("show " + Path("l.kbd") + " --codepage " + std::to_string(GetParam().codePage)).out, 1);
    char cell[16];
    std::snprintf(cell, sizeof cell, "  %02X %s    ", GetParam().code, GetParam().shown);
    EXPECT_NE(line.find(cell), std::string::npos) << line;
}

INSTANTIATE_TEST_SUITE_P(Cells, ShowGlyph,
                         testing::Values(Glyph{1250, 0xB3, "ł"}, Glyph{1252, 0xB3, "³"},
                                         Glyph{1251, 0xC0, "А"}, Glyph{1250, 0x07, "␇"},
                                         Glyph{1250, 0x20, " "}, Glyph{1250, 0x7F, "␡"},
                                         Glyph{1250, 0x81, "\uFFFD"},
                                         Glyph{1258, 0xCC, "\u25CC\u0300"},
                                         Glyph{1250, 0xA0, "\u00A0"}, Glyph{1250, 0x00, " "}));

struct Refused {
    const char* name;
    kbd::ErrorKind kind;
};

void PrintTo(const Refused& refused, std::ostream* os) {
    *os << refused.name;
}

class RefusedFile : public ToolTest, public testing::WithParamInterface<Refused> {};

TEST_P(RefusedFile, IsReportedWithTheEditorsReasonAndNoOutput) {
    ASSERT_EQ(Run("default " + Path("good.kbd")).status, 0);
    EXPECT_EQ(Run("check " + Path("good.kbd")).status, 0);
    const std::string good = Read("good.kbd");
    Write("short.kbd", good.substr(0, 687));
    Write("zeros.kbd", std::string(688, '\0'));
    Write("lower.kbd", good.substr(0, 35) + "tavik" + good.substr(40));
    std::filesystem::create_directory(Path("folder.kbd"));

    const std::string file = Path(GetParam().name);
    const std::string why = std::string(kbd::describe(GetParam().kind)) + ": " + file;
    // Export is tried both to standard output and to a file that must not appear.
    for (const std::string command : {"check", "show", "lint", "export", "export to file"}) {
        const ToolRun run = command == "export to file"
                                ? Run("export " + file + " " + Path("out.json"))
                                : Run(command + " " + file);
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_NE(run.err.find(why), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(Files(), 5);
}

INSTANTIATE_TEST_SUITE_P(Files, RefusedFile,
                         testing::Values(Refused{"short.kbd", kbd::ErrorKind::TooShort},
                                         Refused{"zeros.kbd", kbd::ErrorKind::NoSignature},
                                         Refused{"lower.kbd", kbd::ErrorKind::NoSignature},
                                         Refused{"folder.kbd", kbd::ErrorKind::NotRegularFile},
                                         Refused{"missing.kbd", kbd::ErrorKind::CannotOpen}));

TEST_F(ToolTest, FailedOutputIsReportedAndLeavesNoFile) {
    ASSERT_EQ(Run("default " + Path("d.kbd")).status, 0);
    EXPECT_EQ(Run("export " + Path("d.kbd") + " >/dev/full").status, 1);
    EXPECT_EQ(Run("default " + Path("no/folder.kbd")).status, 1);
    EXPECT_EQ(Run("export " + Path("d.kbd") + " " + Path("no/folder.json")).status, 1);
    EXPECT_EQ(Run("import " + Path("no.json") + " " + Path("o.kbd")).status, 1);
    EXPECT_EQ(Files(), 1);
}

class WrongUsage : public ToolTest, public testing::WithParamInterface<const char*> {};

TEST_P(WrongUsage, ExitsWithTwoAndTheUsageText) {
    const ToolRun run = Run(GetParam());
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Usage:"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Lines, WrongUsage,
                         testing::Values("", "frobnicate", "default", "default a.kbd b.kbd",
                                         "export", "import l.json", "check --x f.kbd",
                                         "show f.kbd --codepage", "show f.kbd --codepage abc",
                                         "show f.kbd --codepage 99", "lint", "lint a.kbd b.kbd",
                                         "lint f.kbd --codepage 99"));

} // namespace
