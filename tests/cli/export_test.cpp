// to-xkb, to-klc and floppy as a script runs them, and JSON layouts taken by every command
// that reads a layout. The floppy is read back with mtools.
#include "tool_run.h"

#include <cstdio>

namespace {

using Json = nlohmann::ordered_json;

// What a shell command line prints on standard output, bytes as they come.
std::string Output(const std::string& line) {
    std::string out;
    if (FILE* pipe = ::popen(line.c_str(), "r")) {
        char chunk[4096];
        for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) {
            out.append(chunk, got);
        }
        ::pclose(pipe);
    }
    return out;
}

class Exports : public ToolTest {
protected:
    std::string Layout(const std::string& name, const Json& json = DefaultJson()) const {
        Write(name, json.dump());
        return Path(name);
    }
};

TEST_F(Exports, XkbTakesItsNameFromTheFileOrTheOption) {
    const ToolRun plain = Run({"to-xkb", Layout("d.json"), Path("qz")});
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.out + plain.err, "");
    const std::string qz = Read("qz");
    EXPECT_NE(qz.find("\n    name[Group1] = \"qz\";\n"), std::string::npos) << qz;
    EXPECT_NE(qz.find("\n    key <AE02> { type[Group1] = \"FOUR_LEVEL\", "
                      "[ 2, at, caron, VoidSymbol ] };\n"),
              std::string::npos);

    EXPECT_EQ(Run("to-xkb " + Path("d.json") + " " + Path("sr.xkb") +
                  " --name 'Srpska latinica' --codepage 1251")
                  .status,
              0);
    const std::string sr = Read("sr.xkb");
    EXPECT_NE(sr.find("\n    name[Group1] = \"Srpska latinica\";\n"), std::string::npos) << sr;
    EXPECT_NE(sr.find("\n    key <AE02> { type[Group1] = \"FOUR_LEVEL\", "
                      "[ 2, at, Byelorussian_SHORTU, VoidSymbol ] };\n"),
              std::string::npos);
}

TEST_F(Exports, KlcIsUtf16AndNamedAfterTheFile) {
    ASSERT_EQ(Run("default " + Path("d.kbd")).status, 0);
    const ToolRun run = Run({"to-klc", Path("d.kbd"), Path("my_layout.klc")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_EQ(
        Read("my_layout.klc").substr(0, 40),
        std::string("\xFF\xFEK\0B\0D\0\t\0M\0Y\0L\0A\0Y\0O\0U\0T\0\t\0\"\0m\0y\0_\0l\0a\0y\0", 40));
}

struct KlcRefusal {
    const char* name;
    void (*edit)(Json&);
    const char* codePage;
    const char* why;
};

void PrintTo(const KlcRefusal& refusal, std::ostream* os) {
    *os << refusal.name;
}

class ToKlcRefuses : public Exports, public testing::WithParamInterface<KlcRefusal> {};

TEST_P(ToKlcRefuses, AndWritesNoFile) {
    Json json = DefaultJson();
    GetParam().edit(json);
    const ToolRun run =
        Run({"to-klc", Layout("l.json", json), Path("out.klc"), "--codepage", GetParam().codePage});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "kbdtool: " + Path("out.klc") +
                           ": the layout cannot become a .klc file: " + GetParam().why + "\n");
    EXPECT_EQ(Names(), std::vector<std::string>{"l.json"});
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ToKlcRefuses,
    testing::Values(KlcRefusal{"SharedCode", [](Json& j) { j["VirtualKey"][29] = 0x51; }, "1250",
                               "keys 14 and 30 share virtual-key code 0x51"},
                    KlcRefusal{"UnnamedCode", [](Json& j) { j["VirtualKey"][47] = 0xE1; }, "1250",
                               "key 48 has virtual-key code 0xE1, which has no name in a .klc "
                               "file"},
                    KlcRefusal{"LackedCharacter", [](Json&) {}, "1253",
                               "key 9 AltGr 0xFF is not a character of code page 1253 (Greek)"}),
    testing::PrintToStringParamName());

TEST_F(Exports, FloppyHoldsTheKbdFileAndTheSteps) {
    Json json = DefaultJson();
    json["AltGrChar"][16] = 0xE8;
    const std::string layout = Layout("kbd_qz.json", json);
    ASSERT_EQ(Run({"import", layout, Path("kbd_qz.kbd")}).status, 0);
    const ToolRun run = Run({"floppy", layout, Path("qz.img")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_EQ(Read("qz.img").size(), 1'474'560u);
    EXPECT_EQ(Names(), (std::vector<std::string>{"kbd_qz.json", "kbd_qz.kbd", "qz.img"}));

    const std::string image = " -i " + Path("qz.img") + " ";
    const std::string listing = Output("mdir -b" + image + "::");
    EXPECT_EQ(listing, "::/KBD_QZ.KBD\n::/README.TXT\n");
    EXPECT_EQ(Output("mtype" + image + "::KBD_QZ.KBD"), Read("kbd_qz.kbd"));

    const std::string readme = Output("mtype" + image + "::README.TXT");
    EXPECT_EQ(readme.substr(0, 94), "KBD_QZ.KBD - a keyboard layout for Windows 95\r\n"
                                    "=============================================\r\n");
    for (const char* line : {"\r\nWARNING: KEEP THE ORIGINAL FILE. Rename it as shown below; do "
                             "not\r\ndelete it and do not copy over it. Without it there is no "
                             "way back\r\nto the layout Windows had.\r\n",
                             "\r\n       REN C:\\WINDOWS\\SYSTEM\\KBDXX.KBD KBDXX.OLD\r\n",
                             "\r\n       COPY A:\\KBD_QZ.KBD C:\\WINDOWS\\SYSTEM\\KBDXX.KBD\r\n",
                             "\r\n4. Restart Windows."}) {
        EXPECT_NE(readme.find(line), std::string::npos) << line;
    }
    for (std::size_t at = 0; at < readme.size(); ++at) {
        ASSERT_LT(static_cast<unsigned char>(readme[at]), 0x80) << "not ASCII at " << at;
        ASSERT_TRUE(readme[at] != '\n' || (at > 0 && readme[at - 1] == '\r')) << at;
    }
}

TEST_F(Exports, FloppyTakesTheGivenNameAndReportsAFailure) {
    ASSERT_EQ(Run("default " + Path("d.kbd")).status, 0);
    ASSERT_EQ(Run("floppy " + Path("d.kbd") + " " + Path("n.img") + " --name 'my layout'").status,
              0);
    EXPECT_EQ(Output("mdir -b -i " + Path("n.img") + " ::"), "::/MYLAYOUT.KBD\n::/README.TXT\n");

    const ToolRun failed = Run({"floppy", Path("d.kbd"), Path("no/n.img")});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "kbdtool: " + Path("no/n.img") +
                              ": cannot make a scratch folder beside it (No such file or "
                              "directory)\n");
    EXPECT_EQ(Names(), (std::vector<std::string>{"d.kbd", "n.img"}));
}

TEST_F(Exports, RefusedInputWritesNothing) {
    Json json = DefaultJson();
    json.erase("AltGrChar");
    Layout("bad.json", json);
    for (const std::string command : {"to-xkb", "to-klc", "floppy"}) {
        const ToolRun run = Run({command, Path("bad.json"), Path("out")});
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_NE(run.err.find(Path("bad.json") + ": "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("AltGrChar"), std::string::npos) << run.err;
        EXPECT_EQ(Run({command, Path("missing.kbd"), Path("out")}).status, 1) << command;
    }
    EXPECT_EQ(Names(), std::vector<std::string>{"bad.json"});
}

TEST_F(Exports, EveryReadingCommandTakesJson) {
    Json json = DefaultJson();
    json["VirtualKey"][29] = 0x51; // F takes Q's code
    const std::string shared = Layout("shared.JSON", json);
    const ToolRun lint = Run({"lint", shared});
    EXPECT_EQ(lint.status, 1);
    // Before a save, the loss is still to come and lint can name what goes.
    EXPECT_EQ(lint.out.substr(0, lint.out.find('\n') + 1),
              "key 30: loses data: shares virtual-key code 0x51 with key 14: on reload its AltGr "
              "character 0x5B is read into key 14, over that key's own and its Caps-Lock flag "
              "is cleared\n");
    EXPECT_EQ(Run({"lint", Layout("d.json")}).out, "no findings\n");
    EXPECT_EQ(Run({"check", Path("d.json")}).out,
              Path("d.json") + ": kbdtool import would take this file\n");
    // The JSON of a file shows and exports as the file does.
    ASSERT_EQ(Run({"default", Path("d.kbd")}).status, 0);
    ASSERT_EQ(Run({"export", Path("d.kbd"), Path("e.json")}).status, 0);
    EXPECT_EQ(Run({"show", Path("e.json")}).out, Run({"show", Path("d.kbd")}).out);
    EXPECT_EQ(Run({"export", Path("e.json")}).out, Read("e.json"));
}

class ExportUsage : public ToolTest, public testing::WithParamInterface<const char*> {};

TEST_P(ExportUsage, ExitsWithTwoAndTheUsageText) {
    const ToolRun run = Run(GetParam());
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("  kbdtool to-xkb FILE OUT [--codepage N] [--name TEXT]\n"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(Files(), 0);
}

INSTANTIATE_TEST_SUITE_P(Lines, ExportUsage,
                         testing::Values("to-xkb", "to-xkb a.kbd", "to-klc a.kbd", "floppy",
                                         "to-xkb a.kbd b c", "to-xkb a.kbd b --name",
                                         "to-klc a.kbd b.klc --codepage 99",
                                         "floppy a.kbd b.img --codepage 1250"));

} // namespace
