// The .klc export: its bytes as MSKLC reads them, and the layouts it must refuse.
#include "../layout/temp_folder.h"
#include "exports/klc.h"

#include <algorithm>
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

std::u16string Klc(const KeyboardLayout& layout, int codePage = 1250,
                   std::string_view name = "qz") {
    return Utf16Text(kbd::exports::KlcBytes(layout, *CodePage::Load(codePage), name));
}

// The LAYOUT row that starts with the scan code `scan`.
std::u16string Row(const std::u16string& text, std::u16string_view scan) {
    const auto at = text.find(u"\r\n" + std::u16string(scan) + u"\t");
    return at == std::u16string::npos ? u""
                                      : text.substr(at + 2, text.find(u"\r\n", at + 2) - at - 2);
}

TEST(KlcText, OfTheDefaultLayout) {
    const std::string bytes =
        kbd::exports::KlcBytes(kbd::DefaultLayout(), *CodePage::Load(1250), "qz");
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
    // Written by hand from the built-in table and code page 1250.
    EXPECT_EQ(Row(text, u"02"), u"02\t1\t0\t0031\t0021\t-1\t007e\t-1");
    EXPECT_EQ(Row(text, u"03"), u"03\t2\t0\t0032\t0040\t-1\t02c7\t-1");
    EXPECT_EQ(Row(text, u"0c"), u"0c\tOEM_MINUS\t0\t002d\t005f\t-1\t00a8\t-1");
    EXPECT_EQ(Row(text, u"10"), u"10\tQ\t1\t0071\t0051\t-1\t005c\t-1");
    EXPECT_EQ(Row(text, u"12"), u"12\tE\t1\t0065\t0045\t-1\t-1\t-1");
    EXPECT_EQ(Row(text, u"1a"), u"1a\tOEM_4\t0\t005b\t007b\t001b\t00f7\t-1");
    EXPECT_EQ(Row(text, u"1b"), u"1b\tOEM_6\t0\t005d\t007d\t001d\t0027\t-1");
    EXPECT_EQ(Row(text, u"25"), u"25\tK\t1\t006b\t004b\t-1\t0142\t-1");
    EXPECT_EQ(Row(text, u"2b"), u"2b\tOEM_5\t0\t005c\t007c\t001c\t00a4\t-1");
    EXPECT_EQ(Row(text, u"53"), u"53\tDECIMAL\t0\t002c\t002c\t-1\t-1\t-1");
    EXPECT_EQ(Row(text, u"56"), u"56\tOEM_102\t0\t003c\t003e\t001c\t-1\t-1");
    EXPECT_NE(text.find(u"\r\n35\tOEM_2\t0\t002f\t003f\t-1\t-1\t-1\r\n"
                        u"39\tSPACE\t0\t0020\t0020\t0020\t-1\t-1\r\n"
                        u"53\t"),
              std::u16string::npos);
    const auto first = text.find(u"\r\n\r\n02\t") + 4;
    const std::u16string rows = text.substr(first, text.find(u"\r\n\r\nDESCRIPTIONS") - first);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), u'\n') + 1, 49 + 1) << "keys and space bar";
    EXPECT_EQ(std::count(rows.begin(), rows.end(), u'\t'), (49 + 1) * 7);
    EXPECT_EQ(std::count(text.begin(), text.end(), u'\n'),
              std::count(text.begin(), text.end(), u'\r'));
    EXPECT_EQ(text.substr(text.find(u"\r\n56\t") + 2),
              u"56\tOEM_102\t0\t003c\t003e\t001c\t-1\t-1\r\n\r\n"
              u"DESCRIPTIONS\r\n\r\n"
              u"0409\tqz\r\n\r\n"
              u"LANGUAGENAMES\r\n\r\n"
              u"0409\tSerbian (Latin)\r\n\r\n"
              u"ENDKBD\r\n");
}

TEST(KlcText, EdgesOfTheCharacterColumns) {
    KeyboardLayout layout = kbd::DefaultLayout();
    layout.AltGrChar[13] = 0x20; // a space is no AltGr character
    layout.AltGrChar[14] = 0x21;
    layout.NormalChar[15] = 0; // no character
    layout.ShiftChar[15] = 0x01;
    layout.CapsAffected[16] = 2; // any non-zero flag is set
    layout.CapsAffected[17] = 0;
    const std::u16string text = Klc(layout);
    EXPECT_EQ(Row(text, u"10"), u"10\tQ\t1\t0071\t0051\t-1\t-1\t-1");
    EXPECT_EQ(Row(text, u"11"), u"11\tW\t1\t0077\t0057\t-1\t0021\t-1");
    EXPECT_EQ(Row(text, u"12"), u"12\tE\t1\t-1\t0001\t-1\t-1\t-1");
    EXPECT_EQ(Row(text, u"13"), u"13\tR\t1\t0072\t0052\t-1\t-1\t-1");
    EXPECT_EQ(Row(text, u"14"), u"14\tT\t0\t0074\t0054\t-1\t-1\t-1");
}

TEST(KlcText, NamesTheLayoutInAnyLanguage) {
    const std::u16string text = Klc(kbd::DefaultLayout(), 1250, "Srpska \"ćirilica\"\n2");
    EXPECT_EQ(text.substr(0, text.find(u"\r\n")), u"KBD\tSRPSKAIR\t\"Srpska 'ćirilica' 2\"");
    EXPECT_NE(text.find(u"\r\n0409\tSrpska 'ćirilica' 2\r\n"), std::u16string::npos);
    // A byte that begins no UTF-8 character still leaves a readable description.
    // An overlong '/' and a surrogate half are no characters either.
    const std::u16string broken =
        Klc(kbd::DefaultLayout(), 1250, "a\xC4z\xF0\x9F\x98\x80\xC0\xAF\xED\xA0\x80");
    EXPECT_EQ(broken.substr(0, broken.find(u"\r\n")),
              u"KBD\tAZ\t\"a\uFFFDz\U0001F600\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\"");
}

struct ShortName {
    const char* test;
    std::string_view name;
    const char* shortName;
};

void PrintTo(const ShortName& name, std::ostream* os) {
    *os << name.test;
}

class KlcShortName : public testing::TestWithParam<ShortName> {};

TEST_P(KlcShortName, KeepsUpToEightLettersAndDigits) {
    EXPECT_EQ(kbd::exports::KlcShortName(GetParam().name), GetParam().shortName);
}

INSTANTIATE_TEST_SUITE_P(Names, KlcShortName,
                         testing::Values(ShortName{"Lower", "qz", "QZ"},
                                         ShortName{"EightExactly", "abcdefgh", "ABCDEFGH"},
                                         ShortName{"Nine", "123456789", "12345678"},
                                         ShortName{"Punctuation", "my-lay_out 2", "MYLAYOUT"},
                                         ShortName{"NonAscii", "ćao", "AO"},
                                         ShortName{"Empty", "", "LAYOUT"},
                                         ShortName{"NothingUsable", "--- ", "LAYOUT"}),
                         [](const auto& info) { return info.param.test; });

struct Refusal {
    const char* test;
    void (*edit)(KeyboardLayout&);
    int codePage;
    const char* message; // after "<path>: the layout cannot become a .klc file: "
};

void PrintTo(const Refusal& refusal, std::ostream* os) {
    *os << refusal.test;
}

class KlcRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(KlcRefusal, NamesTheKeysAndWritesNothing) {
    KeyboardLayout layout = kbd::DefaultLayout();
    GetParam().edit(layout);
    const kbd::testing::TempFolder folder;
    const std::string kept = folder.file("kept.klc"), fresh = folder.file("new.klc");
    std::ofstream(kept) << "the previous file";
    const CodePage page = *CodePage::Load(GetParam().codePage);
    for (const std::string& path : {fresh, kept}) {
        EXPECT_EQ(kbd::exports::ExportKlc(layout, page, "qz", path),
                  path + ": the layout cannot become a .klc file: " + GetParam().message);
    }
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"kept.klc"});
    std::ifstream in(kept);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "the previous file");
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, KlcRefusal,
    testing::Values(
        Refusal{"SharedCode", [](KeyboardLayout& l) { l.VirtualKey[29] = 0x51; }, 1250,
                "keys 14 and 30 share virtual-key code 0x51"},
        Refusal{"CodeOfThreeKeys",
                [](KeyboardLayout& l) { l.VirtualKey[47] = l.VirtualKey[48] = 0x31; }, 1250,
                "keys 2, 48 and 49 share virtual-key code 0x31"},
        Refusal{"UnnamedCode", [](KeyboardLayout& l) { l.VirtualKey[2] = 0x07; }, 1250,
                "key 3 has virtual-key code 0x07, which has no name in a .klc file"},
        Refusal{"NoCode", [](KeyboardLayout& l) { l.VirtualKey[48] = 0; }, 1250,
                "key 49 has virtual-key code 0x00, which has no name in a .klc file"},
        Refusal{"SpaceBarCode", [](KeyboardLayout& l) { l.VirtualKey[0] = 0x20; }, 1250,
                "key 1 has virtual-key code 0x20, which has no name in a .klc file"},
        Refusal{"NormLacking", [](KeyboardLayout& l) { l.NormalChar[4] = 0x81; }, 1250,
                "key 5 Norm 0x81 is not a character of code page 1250 (Central European)"},
        Refusal{"AltGrLacking", [](KeyboardLayout&) {}, 1253,
                "key 9 AltGr 0xFF is not a character of code page 1253 (Greek)"},
        Refusal{"SeveralAtOnce",
                [](KeyboardLayout& l) {
                    l.VirtualKey[29] = 0x51;
                    l.VirtualKey[2] = 0x07;
                    l.AltGrChar[5] = 0x81;
                },
                1250,
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
