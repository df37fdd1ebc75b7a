// to-xkb, to-klc, floppy and picture as a script runs them; their refusals are rows of
// kbdtool_test's table. The floppy is read back with mtools.
#include "tool_run.h"

#include <cstdlib>

namespace {

// UTF-16LE, as a .klc file holds its text.
std::string Utf16(const std::string& ascii) {
    std::string out;
    for (const char c : ascii) {
        out += {c, '\0'};
    }
    return out;
}

// The name comes from OUT's file name, or --name; characters are read in code page 1250,
// where 0xA1 is a caron, or in the one named, where it is Ў. --locale names the language
// Windows lists the layout under.
TEST_F(ToolTest, ExportsTakeTheirNameFromTheFileOrTheOption) {
    Write("d.json", DefaultJson().dump());
    const std::string sr = "to-xkb d.json sr.xkb --name 'Srpska latinica' --codepage 1251";
    const std::string ae02 =
        "\n    key <AE02> { type[Group1] = \"FOUR_LEVEL_PLUS_LOCK\", [ 2, at, ";
    const std::tuple<std::string, const char*, std::string> rows[] = {
        {"to-xkb " + Path("d.json") + " " + Path("qz"), "qz", "\n    name[Group1] = \"qz\";\n"},
        {"to-xkb d.json qz", "qz", ae02 + "caron, VoidSymbol, 2 ] };\n"},
        {sr, "sr.xkb", "\n    name[Group1] = \"Srpska latinica\";\n"},
        {sr, "sr.xkb", ae02 + "Byelorussian_SHORTU, VoidSymbol, 2 ] };\n"},
        {"to-klc d.json " + Path("my_layout.klc"), "my_layout.klc",
         "\xFF\xFE" + Utf16("KBD\tMYLAYOUT\t\"my_layout\"\r\n")},
        {"to-klc d.json de.klc --locale de-DE", "de.klc", Utf16("LOCALEID\t\"00000407\"")}};
    for (const auto& [args, file, text] : rows) {
        const ToolRun run = Run(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out + run.err, "") << args;
        EXPECT_NE(Read(file).find(text), std::string::npos) << args << "\n" << Read(file);
    }
    const std::size_t namesBefore = Names().size();
    const ToolRun unknown = Run("to-klc d.json xx.klc --locale xx-YY");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "kbdtool: unknown locale \"xx-YY\": give a Windows locale name such "
                           "as de-DE or sr-Cyrl-CS\n");
    EXPECT_EQ(Names().size(), namesBefore); // nothing written
}

// The KBD file under the input's name, or --name, and the steps, as DOS reads them.
TEST_F(ToolTest, FloppyHoldsTheKbdFileAndTheSteps) {
    auto json = DefaultJson();
    json["AltGrChar"][16] = 0xE8;
    json["ShiftAltGrChar"] = std::vector<int>(49, 0);
    json["ShiftAltGrChar"][16] = 0xC8; // the floppy carries the tables after the 688 bytes
    Write("kbd_qz.json", json.dump());
    ASSERT_EQ(Run("import kbd_qz.json kbd_qz.kbd").status, 0);
    ASSERT_GT(Read("kbd_qz.kbd").size(), 688u);
    const ToolRun run = Run("floppy " + Path("kbd_qz.json") + " kbd_qz.img");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_EQ(Read("kbd_qz.img").size(), 1'474'560u);
    EXPECT_EQ(Names(), (std::vector<std::string>{"kbd_qz.img", "kbd_qz.json", "kbd_qz.kbd"}));

    // What an mtools command prints about the image, bytes as they come.
    const auto mtools = [this](const std::string& command) {
        EXPECT_EQ(std::system(("cd " + Path("") + " && " + command + " >listing").c_str()), 0);
        return Read("listing");
    };
    EXPECT_EQ(mtools("mdir -b -i kbd_qz.img ::"), "::/KBD_QZ.KBD\n::/KBD_QZ.REG\n::/README.TXT\n");
    EXPECT_EQ(mtools("mtype -i kbd_qz.img ::KBD_QZ.KBD"), Read("kbd_qz.kbd"));
    const std::string readme = mtools("mtype -i kbd_qz.img ::README.TXT");
    EXPECT_TRUE(readme.starts_with("KBD_QZ.KBD - a keyboard layout for Windows 95\r\n"
                                   "=============================================\r\n"));
    for (const char* line :
         {"\r\nWARNING: KEEP THE ORIGINAL FILE. Rename it as shown below; do "
          "not\r\ndelete it and do not copy over it. Without it there is no "
          "way back\r\nto the layout Windows had.\r\n",
          "\r\n4. Restart Windows.", "\r\n       REN C:\\WINDOWS\\SYSTEM\\KBDXX.KBD KBDXX.OLD\r\n",
          "\r\n       COPY A:\\KBD_QZ.KBD C:\\WINDOWS\\SYSTEM\\KBDXX.KBD\r\n",
          "\r\n2. Open A:\\KBD_QZ.REG (double-click it in Explorer) and let it add\r\n"}) {
        EXPECT_NE(readme.find(line), std::string::npos) << line;
    }
    for (std::size_t at = 0; at < readme.size(); ++at) {
        ASSERT_LT(static_cast<unsigned char>(readme[at]), 0x80) << "not ASCII at " << at;
        ASSERT_TRUE(readme[at] != '\n' || (at > 0 && readme[at - 1] == '\r')) << at;
    }

    // Folders that mtools would read as a drive letter or an option, and names that must
    // change to fit 8.3, said on standard error.
    for (const char* folder : {"a:b", "-d"}) {
        std::filesystem::create_directory(Path(folder));
    }
    const std::tuple<std::string, std::string, std::string> renamed[] = {
        {"a:b/n.img --name 'my layout'", "a:b/n.img", "MYLAYOUT.KBD"},
        {"-- -d/serbian-cyrillic.img", "./-d/serbian-cyrillic.img", "SERBIAN-.KBD"},
        {"a:b/n.img --name \u010d\u0107\u017e", "a:b/n.img", "LAYOUT.KBD"}};
    for (const auto& [args, image, name] : renamed) {
        const ToolRun made = Run("floppy kbd_qz.kbd " + args);
        ASSERT_EQ(made.status, 0) << made.err;
        EXPECT_EQ(made.err, "kbdtool: the layout is " + name +
                                " on the floppy: a DOS name has at most 8 letters, digits, _ or "
                                "-\n");
        const std::string stem = name.substr(0, name.find('.'));
        EXPECT_EQ(mtools("mdir -b -i " + image + " ::"),
                  "::/" + name + "\n::/" + stem + ".REG\n::/README.TXT\n");
    }
}

// The picture itself is the render tests' business; kbdtool's part is what it passes on.
TEST_F(ToolTest, PictureIsTitledWithTheFileAndNamesTheCodePage) {
    ASSERT_EQ(Run("default d.kbd").status, 0);
    // The title is the file's name, not the path it was given by.
    const ToolRun run = Run("picture " + Path("d.kbd") + " a.svg --codepage 1251");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string svg = Read("a.svg");
    EXPECT_NE(svg.find(">d.kbd</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Arial \u00B7 code page 1251 (Cyrillic)</text>"), std::string::npos);
}

} // namespace
