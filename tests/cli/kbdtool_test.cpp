#include "tool_run.h"

#include <cstdio>
#include <sstream>

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
    ASSERT_EQ(Run("import a.json a.kbd").status, 0);
    ASSERT_EQ(Run("default d.kbd").status, 0);
    for (const std::string name : {"a", "d"}) {
        ASSERT_EQ(Run("export " + name + ".kbd " + name + "2.json").status, 0);
        ASSERT_EQ(Run("import " + name + "2.json " + name + "2.kbd").status, 0);
        EXPECT_EQ(Read(name + "2.kbd"), Read(name + ".kbd")) << name;
        EXPECT_EQ(Run("export " + name + ".kbd").out, Read(name + "2.json"));
        // Without the signature the file is another tool's, read as Windows' driver reads
        // it: the same keys come out. (In `a` the decimal key's own code and characters
        // are ones the driver never reads: it knows that key by its built-in table.)
        if (name == "a") {
            continue;
        }
        std::string foreign = Read(name + ".kbd");
        foreign.replace(33, 7, 7, '\0');
        Write(name + "3.kbd", foreign);
        ASSERT_EQ(Run("import " + name + "3.kbd " + name + "4.kbd").status, 0);
        EXPECT_EQ(Run("export " + name + "4.kbd").out, Read(name + "2.json")) << name;
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
    ASSERT_EQ(Run("import a.json a.kbd").status, 0);
    EXPECT_EQ(Read("a.kbd").substr(128 + 136, 49), std::string(49, '\x07'));
    // The separators are those of the ScanCode line.
    const auto row = [](int value) {
        return nlohmann::json(std::vector<int>(49, value)).dump();
    };
    EXPECT_EQ(Run("export a.kbd").out,
              "{\n  \"ScanCode\": [41,2,3,4,5,6,7,8,9,10,11,12,13,16,17,18,19,20,21,22,23,24,25,"
              "26,27,43,30,31,32,33,34,35,36,37,38,39,40,44,45,46,47,48,49,50,51,52,53,86,83],\n"
              "  \"VirtualKey\": " +
                  row(0) + ",\n  \"NormalChar\": " + row(97) + ",\n  \"ShiftChar\": " + row(65) +
                  ",\n  \"AltGrChar\": " + row(0) + ",\n  \"AnsiChar\": " + row(66) +
                  ",\n  \"CapsAffected\": " + row(0) + "\n}\n");
}

// Show reads the bytes in code page 1250 unless told another: 0xFF is ˙ there, ÿ in 1252.
TEST_F(ToolTest, ShowListsEveryKey) {
    ASSERT_EQ(Run("default d.kbd").status, 0);
    const ToolRun run = Run("show d.kbd");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("Key  Scan  VK  Norm    Shift   AltGr   ANSI    Caps\n"));
    EXPECT_EQ(ShowLine(run.out, 9), "  9  09    38  38 8    2A *    FF \u02D9    38 8    no\n");
    EXPECT_EQ(ShowLine(run.out, 14), " 14  10    51  71 q    51 Q    5C \\    51 Q    yes\n");
    // Byte 0 shows as a space, so that the columns stay.
    EXPECT_TRUE(run.out.ends_with(" 49  53    6E  2C ,    2C ,    00      2C ,    no\n"));
    EXPECT_EQ(ShowLine(Run("show d.kbd --codepage 1252").out, 9),
              "  9  09    38  38 8    2A *    FF \u00FF    38 8    no\n");
}

using Json = nlohmann::ordered_json;
const std::string kGood = DefaultJson().dump();

// The built-in layout's JSON with the value at `pointer` replaced.
std::string With(const char* pointer, const Json& value) {
    Json json = DefaultJson();
    json[Json::json_pointer(pointer)] = value;
    return json.dump();
}

// A command line run in a folder that holds good.kbd (the built-in layout), short.kbd,
// zeros.kbd, a folder folder.kbd, a link loop.kbd to itself, bad.json (no AltGrChar), shared.JSON
// (Caps Lock on the digit 1, F taking Q's code), byte83.json (AltGr 0x83 on key 9: ƒ in 1252,
// undefined in 1250), kept.out and the row's in.json. No command may make or change a file there.
struct Line {
    const char* name;
    std::string args;
    int status;
    std::string out;
    std::string err = "";  // all of standard error, or its start when it ends no line
    std::string json = ""; // in.json
};

class Command : public ToolTest, public testing::WithParamInterface<Line> {};

TEST_P(Command, PrintsAndExitsAsItShould) {
    ASSERT_EQ(Run("default good.kbd").status, 0);
    Write("short.kbd", Read("good.kbd").substr(0, 687));
    Write("zeros.kbd", std::string(688, '\0'));
    std::filesystem::create_directory(Path("folder.kbd"));
    std::filesystem::create_symlink("loop.kbd", Path("loop.kbd"));
    Write("byte83.json", With("/AltGrChar/8", 0x83));
    auto json = DefaultJson();
    json["CapsAffected"][1] = 1, json["VirtualKey"][29] = 0x51;
    Write("shared.JSON", json.dump());
    json.erase("AltGrChar");
    Write("bad.json", json.dump());
    Write("kept.out", "an older file");
    if (!GetParam().json.empty()) {
        Write("in.json", GetParam().json);
    }
    const auto names = Names();

    const ToolRun run = Run(GetParam().args);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.out, GetParam().out);
    const std::string& err = GetParam().err;
    EXPECT_EQ(err.empty() || err.back() == '\n' ? run.err : run.err.substr(0, err.size()), err);
    EXPECT_EQ(Names(), names);
    EXPECT_TRUE(std::filesystem::is_symlink(Path("loop.kbd")));
    EXPECT_EQ(Read("kept.out"), "an older file");
    if (GetParam().status == 2) { // the usage text follows the reason
        const ToolRun help = Run("--help");
        EXPECT_TRUE(help.status == 0 && help.out.starts_with("Usage:\n  kbdtool ")) << help.out;
        EXPECT_TRUE(run.err.ends_with("\n" + help.out)) << run.err;
    }
}

const std::string kNoSuchFile = " (No such file or directory)\n";
const std::string kShort = "kbdtool: The file is shorter than 688 bytes: short.kbd\n";

Line Refused(const char* name, const std::string& args, const std::string& err) {
    return {name, args, 1, "", err};
}

// Wrong usage: status 2 and the reason, in the parser's own words when `says` is empty.
Line Usage(const char* name, const std::string& args, const std::string& says = "") {
    return {name, args, 2, "", "kbdtool: " + says};
}

// `command` (which reads in.json), refused as import refuses it. The parser's own wording
// follows "not valid JSON: "; every other message is ours, whole.
Line Reading(const char* name, const std::string& command, const std::string& json,
             const std::string& says) {
    return {name, command, 1, "", "kbdtool: in.json: " + says, json};
}

Line Import(const char* name, const std::string& json, const std::string& says) {
    return Reading(name, "import in.json kept.out", json, says);
}

std::string Repeat(const std::string& text, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

// Lint's line for each Caps key whose AltGr character Windows does not type with Caps
// Lock on, as key numbers and their AltGr bytes in hex: "14 5C 15 7C".
std::string CapsAltGr(const std::string& keys) {
    std::istringstream in(keys);
    std::string lines;
    char line[200];
    for (int key = 0, byte = 0; in >> std::dec >> key >> std::hex >> byte;) {
        std::snprintf(line, sizeof line,
                      "key %d AltGr: warning: AltGr character 0x%02X types nothing while Caps "
                      "Lock is on, as the key has no Shift+AltGr character (Edit, Keep AltGr "
                      "under Caps Lock)\n",
                      key, byte);
        lines += line;
    }
    return lines;
}
// The built-in layout's letters with AltGr characters: Q W F G K L V B N M.
const std::string kDefaultCapsAltGr =
    CapsAltGr("14 5C 15 7C 30 5B 31 5D 34 B3 35 A3 41 40 42 7B 43 7D 44 A7");
const std::string kLastCapsAltGr = kDefaultCapsAltGr.substr(kDefaultCapsAltGr.find("key 31"));

INSTANTIATE_TEST_SUITE_P(
    , Command,
    testing::Values(
        Line{"CheckFile", "check good.kbd", 0, "good.kbd: the editor would open this file\n"},
        Line{"CheckJson", "check byte83.json", 0,
             "byte83.json: kbdtool import would take this file\n"},
        Line{"LintDefault", "lint good.kbd", 0, kDefaultCapsAltGr},
        // One line a finding; only a loss fails. Before a save, the loss is still to come
        // and lint can name what goes.
        Line{"LintLossToComeInJson", "lint shared.JSON", 1,
             "key 2: warning: Caps Lock is set, but Norm 0x31 and Shift 0x21 are not a "
             "lower/upper-case pair: with Caps Lock on the key types its Shift character\n" +
                 CapsAltGr("2 7E 14 5C 15 7C") +
                 "key 30: loses data: shares virtual-key code 0x51 with key 14: on reload its "
                 "AltGr character 0x5B is read into key 14, over that key's own and its "
                 "Caps-Lock flag is cleared\n" +
                 CapsAltGr("30 5B") + kLastCapsAltGr},
        Line{"LintInCodePage1250", "lint byte83.json", 0,
             "key 9 AltGr: warning: AltGr character 0x83 is not defined in the current code "
             "page\n" +
                 kDefaultCapsAltGr},
        Line{"LintInTheChosenCodePage", "lint byte83.json --codepage 1252", 0, kDefaultCapsAltGr},
        // Every command that reads a layout meets one kind of refused input, every one that
        // writes a file a place it cannot write.
        Refused("CheckShort", "check short.kbd", kShort),
        Refused("ShowWithoutSignature", "show zeros.kbd",
                "kbdtool: Not a keyboard file this program reads (a Windows .KBD file, an MSKLC "
                ".klc source, an XKB symbols file or a JSON layout): zeros.kbd\n"),
        Refused("LintFolder", "lint folder.kbd", "kbdtool: Not a regular file: folder.kbd\n"),
        Refused("ExportMissing", "export missing.kbd kept.out",
                "kbdtool: Cannot open the file: missing.kbd" + kNoSuchFile),
        Refused("PictureShort", "picture short.kbd p.svg", kShort),
        Refused("ToXkbBadJson", "to-xkb bad.json kept.out",
                "kbdtool: bad.json: AltGrChar: missing\n"),
        Refused("ImportMissing", "import no.json kept.out",
                "kbdtool: Cannot open the file: no.json" + kNoSuchFile),
        // A loop is refused rather than replaced by a regular file.
        Refused("LinkLoop", "default loop.kbd",
                "kbdtool: Not following the symbolic link: loop.kbd (Too many levels of "
                "symbolic links)\n"),
        Refused("DefaultIntoNoFolder", "default no/d.kbd",
                "kbdtool: Cannot create the file: no/d.kbd" + kNoSuchFile),
        Refused("ExportIntoNoFolder", "export good.kbd no/e.json",
                "kbdtool: Cannot create the file: no/e.json" + kNoSuchFile),
        Refused("ExportToAFullDisk", "export good.kbd >/dev/full",
                "kbdtool: cannot write to standard output\n"),
        Refused("PictureFormat", "picture good.kbd p.gif",
                "kbdtool: p.gif: not a picture format kbdtool writes (use .svg, .pdf or .png)\n"),
        Refused("KlcLacksACharacter", "to-klc good.kbd kept.out --codepage 1253",
                "kbdtool: kept.out: the layout cannot become a .klc file: key 9 AltGr 0xFF is "
                "not a character of code page 1253 (Greek)\n"),
        Refused("FloppyIntoNoFolder", "floppy good.kbd no/f.img",
                "kbdtool: Cannot create the file: no/f.img" + kNoSuchFile),
        Refused("KlcNameWithAComment", "to-klc good.kbd kept.out --name 'a // b'",
                "kbdtool: kept.out: the name holds \"//\", which MSKLC reads as the start of a "
                "comment\n"),
        Refused("FloppyWithoutAName", "floppy good.kbd ''",
                "kbdtool: Cannot create the file: \"\"" + kNoSuchFile),
        Refused("FloppyAsADevice", "floppy good.kbd kept.out --name con",
                "kbdtool: kept.out: CON is the name of a DOS device, which DOS and Windows 95 "
                "open instead of any file CON.KBD; choose another name\n"),
        Refused("FloppyAsANumberedDevice", "floppy good.kbd COM9.img",
                "kbdtool: COM9.img: COM9 is the name of a DOS device, which DOS and Windows 95 "
                "open instead of any file COM9.KBD; choose another name\n"),
        // libxkbcommon would compile this helper file as a layout of nothing.
        Refused("HelperFileNotALayout", "from-xkb pc kept.out",
                "kbdtool: no system layout is named \"pc\" (kbdtool layouts lists them)\n"),
        // Listed, but xkeyboard-config has no file for it.
        Refused("ListedWithoutAFile", "from-xkb custom kept.out",
                "kbdtool: libxkbcommon cannot compile the system layout \"custom\"\n"),
        Refused("FromXkbCodePage", "from-xkb de kept.out --codepage 999",
                "kbdtool: code page 999 is not known to iconv\n"),
        // Nothing is listed as left out of a file that was never written.
        Refused("FromXkbIntoNoFolder", "from-xkb rs no/x.kbd --codepage 1251",
                "kbdtool: Cannot create the file: no/x.kbd" + kNoSuchFile),
        Usage("NoCommand", ""),
        Usage("LintCodePage", "lint good.kbd --codepage 99",
              "code page 99 is not known to iconv\nUsage:"),
        Usage("ToXkbWithoutOut", "to-xkb good.kbd"),
        Usage("ToXkbExtraArgument", "to-xkb good.kbd o c"),
        Usage("NameWithoutText", "to-klc good.kbd o --name"),
        Usage("FloppyHasNoCodePage", "floppy good.kbd o.img --codepage 1250"),
        Usage("FromXkbCodePageNotANumber", "from-xkb de x.kbd --codepage x"),
        Usage("FromXkbWithoutOut", "from-xkb de --codepage 1250"),
        Import("TrailingText", kGood + " x", "not valid JSON: "),
        Import("NotAnObject", "[" + kGood + "]",
               "the layout must be one JSON object with the seven fields\n"),
        Import("UnknownField", With("/Shift", 0), "Shift: not a field of a layout\n"),
        Import("RepeatedField", "{\"CapsAffected\":[]," + kGood.substr(1),
               "CapsAffected: named more than once\n"),
        Import("NotAnArray", With("/NormalChar", "qwerty"),
               "NormalChar: must be an array of 49 integers 0..255\n"),
        Import("TooShort", With("/VirtualKey", std::vector<int>(48)),
               "VirtualKey: has 48 values, a layout has 49 keys\n"),
        Import("TooLong", With("/VirtualKey", std::vector<int>(50)),
               "VirtualKey: has 50 values, a layout has 49 keys\n"),
        Import("Above255", With("/AnsiChar/7", 256), "AnsiChar[7]: 256 is outside 0..255\n"),
        Import("Negative", With("/CapsAffected/0", -1), "CapsAffected[0]: -1 is outside 0..255\n"),
        Import("WholeFloat", With("/NormalChar/4", 65.0),
               "NormalChar[4]: 65.0 is not an integer\n"),
        Import("Text", With("/ShiftChar/48", "A"), "ShiftChar[48]: \"A\" is not an integer\n"),
        Import("Boolean", With("/AltGrChar/9", true), "AltGrChar[9]: true is not an integer\n"),
        Import("ScanCodeChecked", With("/ScanCode/48", 300),
               "ScanCode[48]: 300 is outside 0..255\n"),
        // Hostile input: each ends in a refusal that names the file, of bounded length and
        // with control characters escaped.
        Import("BeyondADouble", "{\"VirtualKey\":[1e400]}",
               "not valid JSON: number overflow parsing '1e400'\n"),
        Reading("DeepItem", "to-klc in.json kept.out",
                "{\"VirtualKey\":[" + std::string(70000, '[') + std::string(70000, ']') +
                    Repeat(",0", 48) + "]}",
                "VirtualKey[0]: an array is not an integer\n"),
        Reading("LongItem", "to-xkb in.json kept.out",
                "{\"VirtualKey\":[\"" + std::string(500000, 'x') + "\"" + Repeat(",0", 48) + "]}",
                "VirtualKey[0]: \"" + std::string(39, 'x') + "\u2026 is not an integer\n"),
        Import("LongStringEndingInAControl", "{\"" + std::string(500000, 'y') + "\a\":0}",
               "not valid JSON: parse error at line 1, column 500003: syntax error while parsing "
               "object key - invalid string: control character U+0007 (BEL) must be escaped to "
               "\\u0007; last read: '\"" +
                   std::string(38, 'y') + "\u2026\n"),
        Reading("OverAMebibyte", "export in.json kept.out",
                "{\"VirtualKey\":[" + Repeat("0,", 600000) + "0]}",
                "more than 1 MiB, and a layout takes about 1.2 KB: not a layout\n"),
        Reading("NulEndsNothing", "check in.json", kGood + std::string("\0 not json {{{", 15),
                "a NUL byte at offset " + std::to_string(kGood.size()) + ": a layout is text\n"),
        Import("TerminalTitleInAKey", "{\"\\u001b]0;pwned\\u0007\":0}",
               "\\x1b]0;pwned\\x07: not a field of a layout\n"),
        Reading("NulInAKey", "show in.json", "{\"\\u0000\":0," + kGood.substr(1),
                "\\x00: not a field of a layout\n"),
        Refused("ColourInALayoutName", "from-xkb \"$(printf 'us\\033[31mRED')\" kept.out",
                "kbdtool: no system layout is named \"us\\x1b[31mRED\" (kbdtool layouts lists "
                "them)\n")),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
