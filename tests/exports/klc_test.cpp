// The .klc export: its bytes as MSKLC reads them, and the layouts it must refuse.
#include "../layout/temp_folder.h"
#include "exports/klc.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

using kbd::CodePage;
using kbd::KeyboardLayout;

// UTF-16LE bytes after a byte-order mark, as text; a test compares it with u"" literals
// so that the encoder is not checked against itself.
std::u16string Utf16Text(const std::string& bytes) {
    std::u16string text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                      static_cast<unsigned char>(bytes[i + 1]) << 8);
    }
    return text;
}

std::u16string FirstLine(std::string_view name) {
    const std::u16string text =
        Utf16Text(kbd::exports::KlcBytes(kbd::DefaultLayout(), *CodePage::Load(1250), name));
    return text.substr(0, text.find(u"\r\n"));
}

// Field `n` of every LAYOUT row, in their order, a space between.
std::u16string Column(const std::u16string& text, int n) {
    const auto end = text.find(u"\r\n\r\nDESCRIPTIONS");
    std::u16string column;
    for (auto row = text.find(u"\r\n\r\n02\t") + 4; row < end; row = text.find(u"\r\n", row) + 2) {
        auto at = row;
        for (int i = 0; i < n; ++i) {
            at = text.find(u'\t', at) + 1;
        }
        column +=
            (column.empty() ? u"" : u" ") + text.substr(at, text.find_first_of(u"\t\r", at) - at);
    }
    return column;
}

// The built-in layout, written out by hand, with the edges of the character columns on
// the keys of scan codes 10 to 13: a space is no AltGr character, 0x21 is one; Norm 0
// is none, 0x01 is one; any non-zero Caps-Lock flag is set.
TEST(KlcText, OfTheDefaultLayout) {
    KeyboardLayout layout = kbd::DefaultLayout();
    layout.AltGrChar[13] = 0x20;
    layout.AltGrChar[14] = 0x21;
    layout.NormalChar[15] = 0;
    layout.ShiftChar[15] = 0x01;
    layout.CapsAffected[16] = 2;
    layout.CapsAffected[17] = 0;
    const std::string bytes = kbd::exports::KlcBytes(layout, *CodePage::Load(1250), "qz");
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFEK\0", 4)); // UTF-16LE with its mark
    const std::u16string text = Utf16Text(bytes);
    EXPECT_EQ(text.substr(0, text.find(u"02\t")),
              u"KBD\tQZ\t\"qz\"\r\n\r\n"
              u"COPYRIGHT\t\"(c) the author of this layout\"\r\n\r\n"
              u"COMPANY\t\"Made with Tavik's Keyboard Generator for Windows 95\"\r\n\r\n"
              u"LOCALENAME\t\"sr-Latn-CS\"\r\n\r\n"
              u"LOCALEID\t\"0000081a\"\r\n\r\n"
              u"VERSION\t1.0\r\n\r\n"
              u"SHIFTSTATE\r\n\r\n"
              u"0\t// Norm\r\n"
              u"1\t// Shift\r\n"
              u"2\t// Ctrl\r\n"
              u"6\t// AltGr (Ctrl Alt)\r\n"
              u"7\t// Shift AltGr\r\n\r\n"
              u"LAYOUT\r\n\r\n"
              u"//SC\tVK_\tCap\t0\t1\t2\t6\t7\r\n"
              u"//--\t----\t----\t----\t----\t----\t----\t----\r\n\r\n");
    // The rows by scan code, the space bar among them.
    EXPECT_EQ(Column(text, 0), u"02 03 04 05 06 07 08 09 0a 0b 0c 0d 10 11 12 13 14 15 16 17 18 "
                               u"19 1a 1b 1e 1f 20 21 22 23 24 25 26 27 28 29 2b 2c 2d 2e 2f 30 "
                               u"31 32 33 34 35 39 53 56");
    EXPECT_EQ(Column(text, 1), u"1 2 3 4 5 6 7 8 9 0 OEM_MINUS OEM_PLUS Q W E R T Y U I O P OEM_4 "
                               u"OEM_6 A S D F G H J K L OEM_1 OEM_7 OEM_3 OEM_5 Z X C V B N M "
                               u"OEM_COMMA OEM_PERIOD OEM_2 SPACE DECIMAL OEM_102");
    EXPECT_EQ(Column(text, 2), u"0 0 0 0 0 0 0 0 0 0 0 0 1 1 1 1 0 1 1 1 1 1 0 0 1 1 1 1 1 1 1 1 "
                               u"1 0 0 0 0 1 1 1 1 1 1 1 0 0 0 0 0 0");
    EXPECT_EQ(Column(text, 3),
              u"0031 0032 0033 0034 0035 0036 0037 0038 0039 0030 002d 003d 0071 0077 -1 0072 "
              u"0074 0079 0075 0069 006f 0070 005b 005d 0061 0073 0064 0066 0067 0068 006a 006b "
              u"006c 003b 0027 0060 005c 007a 0078 0063 0076 0062 006e 006d 002c 002e 002f 0020 "
              u"002c 003c");
    EXPECT_EQ(Column(text, 4),
              u"0021 0040 0023 0024 0025 005e 0026 002a 0028 0029 005f 002b 0051 0057 0001 0052 "
              u"0054 0059 0055 0049 004f 0050 007b 007d 0041 0053 0044 0046 0047 0048 004a 004b "
              u"004c 003a 0022 007e 007c 005a 0058 0043 0056 0042 004e 004d 003c 003e 003f 0020 "
              u"002c 003e");
    // Ctrl: the control characters of the KBD file's constant list.
    EXPECT_EQ(Column(text, 5), u"-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 "
                               u"-1 001b 001d -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 001c -1 -1 -1 "
                               u"-1 -1 -1 -1 -1 -1 -1 0020 -1 001c");
    // AltGr, read in code page 1250: 0xA1 is a caron, 0xB3 ł.
    EXPECT_EQ(Column(text, 6),
              u"007e 02c7 005e 02d8 00b0 02db 0060 02d9 00b4 02dd 00a8 00b8 -1 0021 -1 -1 -1 -1 "
              u"-1 -1 -1 -1 00f7 0027 -1 -1 -1 005b 005d -1 -1 0142 0141 -1 0022 -1 00a4 -1 -1 "
              u"-1 0040 007b 007d 00a7 003c 003e -1 -1 -1 -1");
    EXPECT_EQ(Column(text, 7),
              u"-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 "
              u"-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1");
    EXPECT_EQ(text.substr(text.find(u"\r\n56\t") + 2),
              u"56\tOEM_102\t0\t003c\t003e\t001c\t-1\t-1\r\n\r\n"
              u"DESCRIPTIONS\r\n\r\n"
              u"0409\tqz\r\n\r\n"
              u"LANGUAGENAMES\r\n\r\n"
              u"0409\tSerbian (Latin)\r\n\r\n"
              u"ENDKBD\r\n");
}

// The KBD name is the first eight letters and digits, upper case; the description keeps
// everything but what would end or break the string, and bytes that begin no UTF-8
// character (an overlong '/' and a surrogate half are none either) read as U+FFFD.
TEST(KlcText, NamesTheLayoutInAnyLanguage) {
    EXPECT_EQ(FirstLine("Srpska \"\u0107irilica\"\n2"),
              u"KBD\tSRPSKAIR\t\"Srpska '\u0107irilica' 2\"");
    EXPECT_EQ(FirstLine("--- 9"), u"KBD\t9\t\"--- 9\"");
    EXPECT_EQ(FirstLine(""), u"KBD\tLAYOUT\t\"LAYOUT\"");
    EXPECT_EQ(FirstLine("a\xC4z\xF0\x9F\x98\x80\xC0\xAF\xED\xA0\x80"),
              u"KBD\tAZ\t\"a\uFFFDz\U0001F600\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\"");
}

struct Refusal {
    const char* test;
    void (*edit)(KeyboardLayout&);
    const char* message; // after "<path>: the layout cannot become a .klc file: "
};

class KlcRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(KlcRefusal, NamesTheKeysAndWritesNothing) {
    KeyboardLayout layout = kbd::DefaultLayout();
    GetParam().edit(layout);
    const kbd::testing::TempFolder folder;
    const std::string kept = folder.file("kept.klc"), fresh = folder.file("new.klc");
    std::ofstream(kept) << "the previous file";
    for (const std::string& path : {fresh, kept}) {
        EXPECT_EQ(kbd::exports::ExportKlc(layout, *CodePage::Load(1250), "qz", path),
                  path + ": the layout cannot become a .klc file: " + GetParam().message);
    }
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"kept.klc"});
    std::ifstream in(kept);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "the previous file");
}

// The Greek code page lacking a character of the default layout is kbdtool's row.
INSTANTIATE_TEST_SUITE_P(
    Layouts, KlcRefusal,
    testing::Values(
        Refusal{"CodeOfThreeKeys",
                [](KeyboardLayout& l) { l.VirtualKey[47] = l.VirtualKey[48] = 0x31; },
                "keys 2, 48 and 49 share virtual-key code 0x31"},
        // The space bar has the space's code.
        Refusal{"SpaceBarCode", [](KeyboardLayout& l) { l.VirtualKey[0] = 0x20; },
                "key 1 has virtual-key code 0x20, which has no name in a .klc file"},
        Refusal{"NormLacking", [](KeyboardLayout& l) { l.NormalChar[4] = 0x81; },
                "key 5 Norm 0x81 is not a character of code page 1250 (Central European)"},
        Refusal{"SeveralAtOnce",
                [](KeyboardLayout& l) {
                    l.VirtualKey[29] = 0x51;
                    l.VirtualKey[2] = 0x07;
                    l.AltGrChar[5] = 0x81;
                },
                "key 3 has virtual-key code 0x07, which has no name in a .klc file; keys 14 "
                "and 30 share virtual-key code 0x51; key 6 AltGr 0x81 is not a character of "
                "code page 1250 (Central European)"}),
    [](const auto& info) { return info.param.test; });

TEST(KlcExport, ChecksOnlyTheCharactersItWrites) {
    // Greek lacks 0xFF, the default AltGr character of key 9; at 32 or below it is no
    // AltGr character, and Norm 0 is no character at all.
    KeyboardLayout layout = kbd::DefaultLayout();
    layout.AltGrChar[8] = 0x20;
    layout.NormalChar[6] = 0;
    const kbd::testing::TempFolder folder;
    EXPECT_EQ(kbd::exports::ExportKlc(layout, *CodePage::Load(1253), "qz", folder.file("q.klc")),
              std::nullopt);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"q.klc"});
}

} // namespace
