// The .klc export: its bytes as MSKLC reads them, and the layouts it must refuse.
#include "driver/to_ascii.h"
#include "exports/klc.h"
#include "formats/klc_source.h"
#include "layout/fill_rules.h"
#include "layout/key_places.h"
#include "layout/writer.h"
#include "temp_folder.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using kbd::CodePage;
using kbd::KeyboardLayout;

// What the user reads of an export: the error's message, or nothing when it was written.
std::string Said(const kbd::Status& written) {
    return written.ok() ? "" : written.error().message();
}

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

// The first line of the .klc file of the default layout named `name`, and its description.
std::pair<std::u16string, std::u16string> Names(std::string_view name) {
    const std::u16string text =
        Utf16Text(kbd::exports::KlcBytes(kbd::DefaultLayout(), *CodePage::Load(1250), name));
    const auto at = text.find(u"DESCRIPTIONS\r\n\r\n0409\t") + 21;
    return {text.substr(0, text.find(u"\r\n")), text.substr(at, text.find(u"\r\n", at) - at)};
}

// The built-in layout, written out by hand, with the edges of the character columns on
// the keys of scan codes 10 to 14: a space is no AltGr character, 0x21 is one; Norm 0 is
// none, 0x01 is one; any non-zero Caps-Lock flag is set. AltGr bytes read in code page
// 1250: 0xA1 is a caron, 0xB3 ł, 0xA3 (Shift+AltGr) Ł; Ctrl has the KBD file's constant
// control characters.
TEST(KlcText, OfTheDefaultLayout) {
    KeyboardLayout layout = kbd::DefaultLayout();
    layout.AltGrChar[13] = 0x20;
    layout.AltGrChar[14] = 0x21;
    layout.ShiftAltGrChar[14] = 0xA3;
    layout.NormalChar[15] = 0;
    layout.ShiftChar[15] = 0x01;
    layout.CapsAffected[16] = 2;
    layout.CapsAffected[17] = 0;
    // The built-in layout is Serbian, in Latin letters.
    const std::string bytes =
        kbd::exports::KlcBytes(layout, *CodePage::Load(1250), "qz", *kbd::FindLocale("sr-latn-cs"));
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFEK\0", 4)); // UTF-16LE with its mark
    EXPECT_EQ(
        Utf16Text(bytes),
        u"KBD\tQZ\t\"qz\"\r\n\r\nCOPYRIGHT\t\"(c) the author of this layout\"\r\n\r\n"
        u"COMPANY\t\"Made with Tavik's Keyboard Generator for Windows 95\"\r\n\r\n"
        u"LOCALENAME\t\"sr-Latn-CS\"\r\n\r\nLOCALEID\t\"0000081a\"\r\n\r\nVERSION\t1.0\r\n\r\n"
        u"SHIFTSTATE\r\n\r\n0\t// Norm\r\n1\t// Shift\r\n2\t// Ctrl\r\n"
        u"6\t// AltGr (Ctrl Alt)\r\n7\t// Shift AltGr\r\n\r\nLAYOUT\r\n\r\n"
        u"//SC\tVK_\tCap\t0\t1\t2\t6\t7\r\n//--\t----\t----\t----\t----\t----\t----\t----\r\n"
        u"\r\n02\t1\t0\t0031\t0021\t-1\t007e\t-1\r\n03\t2\t0\t0032\t0040\t-1\t02c7\t-1\r\n"
        u"04\t3\t0\t0033\t0023\t-1\t005e\t-1\r\n05\t4\t0\t0034\t0024\t-1\t02d8\t-1\r\n"
        u"06\t5\t0\t0035\t0025\t-1\t00b0\t-1\r\n07\t6\t0\t0036\t005e\t-1\t02db\t-1\r\n"
        u"08\t7\t0\t0037\t0026\t-1\t0060\t-1\r\n09\t8\t0\t0038\t002a\t-1\t02d9\t-1\r\n"
        u"0a\t9\t0\t0039\t0028\t-1\t00b4\t-1\r\n0b\t0\t0\t0030\t0029\t-1\t02dd\t-1\r\n"
        u"0c\tOEM_MINUS\t0\t002d\t005f\t-1\t00a8\t-1\r\n"
        u"0d\tOEM_PLUS\t0\t003d\t002b\t-1\t00b8\t-1\r\n10\tQ\t1\t0071\t0051\t-1\t-1\t-1\r\n"
        u"11\tW\t1\t0077\t0057\t-1\t0021\t0141\r\n12\tE\t1\t-1\t0001\t-1\t-1\t-1\r\n"
        u"13\tR\t1\t0072\t0052\t-1\t-1\t-1\r\n14\tT\t0\t0074\t0054\t-1\t-1\t-1\r\n"
        u"15\tY\t1\t0079\t0059\t-1\t-1\t-1\r\n16\tU\t1\t0075\t0055\t-1\t-1\t-1\r\n"
        u"17\tI\t1\t0069\t0049\t-1\t-1\t-1\r\n18\tO\t1\t006f\t004f\t-1\t-1\t-1\r\n"
        u"19\tP\t1\t0070\t0050\t-1\t-1\t-1\r\n1a\tOEM_4\t0\t005b\t007b\t001b\t00f7\t-1\r\n"
        u"1b\tOEM_6\t0\t005d\t007d\t001d\t0027\t-1\r\n1e\tA\t1\t0061\t0041\t-1\t-1\t-1\r\n"
        u"1f\tS\t1\t0073\t0053\t-1\t-1\t-1\r\n20\tD\t1\t0064\t0044\t-1\t-1\t-1\r\n"
        u"21\tF\t1\t0066\t0046\t-1\t005b\t-1\r\n22\tG\t1\t0067\t0047\t-1\t005d\t-1\r\n"
        u"23\tH\t1\t0068\t0048\t-1\t-1\t-1\r\n24\tJ\t1\t006a\t004a\t-1\t-1\t-1\r\n"
        u"25\tK\t1\t006b\t004b\t-1\t0142\t-1\r\n26\tL\t1\t006c\t004c\t-1\t0141\t-1\r\n"
        u"27\tOEM_1\t0\t003b\t003a\t-1\t-1\t-1\r\n28\tOEM_7\t0\t0027\t0022\t-1\t0022\t-1\r\n"
        u"29\tOEM_3\t0\t0060\t007e\t-1\t-1\t-1\r\n2b\tOEM_5\t0\t005c\t007c\t001c\t00a4\t-1\r\n"
        u"2c\tZ\t1\t007a\t005a\t-1\t-1\t-1\r\n2d\tX\t1\t0078\t0058\t-1\t-1\t-1\r\n"
        u"2e\tC\t1\t0063\t0043\t-1\t-1\t-1\r\n2f\tV\t1\t0076\t0056\t-1\t0040\t-1\r\n"
        u"30\tB\t1\t0062\t0042\t-1\t007b\t-1\r\n31\tN\t1\t006e\t004e\t-1\t007d\t-1\r\n"
        u"32\tM\t1\t006d\t004d\t-1\t00a7\t-1\r\n33\tOEM_COMMA\t0\t002c\t003c\t-1\t003c\t-1\r\n"
        u"34\tOEM_PERIOD\t0\t002e\t003e\t-1\t003e\t-1\r\n"
        u"35\tOEM_2\t0\t002f\t003f\t-1\t-1\t-1\r\n39\tSPACE\t0\t0020\t0020\t0020\t-1\t-1\r\n"
        u"53\tDECIMAL\t0\t002c\t002c\t-1\t-1\t-1\r\n"
        u"56\tOEM_102\t0\t003c\t003e\t001c\t-1\t-1\r\n\r\nDESCRIPTIONS\r\n\r\n0409\tqz\r\n\r\n"
        u"LANGUAGENAMES\r\n\r\n0409\tSerbian (Latin)\r\n\r\nENDKBD\r\n");
}

// The KBD name is the first eight letters and digits, upper case; the description keeps
// everything but what would end or break the string, and bytes that begin no UTF-8
// character (an overlong '/' and a surrogate half are none either) read as U+FFFD.
TEST(KlcText, NamesTheLayoutInAnyLanguage) {
    using Lines = std::pair<std::u16string, std::u16string>;
    EXPECT_EQ(Names("Srpska \"\u0107irilica\"\n2"),
              Lines(u"KBD\tSRPSKAIR\t\"Srpska '\u0107irilica' 2\"", u"Srpska '\u0107irilica' 2"));
    EXPECT_EQ(Names("--- "), Lines(u"KBD\tLAYOUT\t\"--- \"", u"--- "));
    EXPECT_EQ(Names(""), Lines(u"KBD\tLAYOUT\t\"LAYOUT\"", u"LAYOUT"));
    EXPECT_EQ(Names("a\xC4z9\xF0\x9F\x98\x80\xC0\xAF\xED\xA0\x80").first,
              u"KBD\tAZ9\t\"a\uFFFDz9\U0001F600\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\"");
}

// The locale: the one given, else the code page's main language; never Serbian for all.
TEST(KlcText, ListsTheLayoutUnderItsLocale) {
    const std::tuple<const char*, int, const char16_t*, const char16_t*, const char16_t*> rows[] = {
        {"de-DE", 1252, u"de-DE", u"00000407", u"German (Germany)"},
        {"el-GR", 1253, u"el-GR", u"00000408", u"Greek (Greece)"},
        {"sr-Cyrl-CS", 1251, u"sr-Cyrl-CS", u"00000c1a", u"Serbian (Cyrillic)"},
        {nullptr, 1253, u"el-GR", u"00000408", u"Greek (Greece)"},
        {nullptr, 1250, u"pl-PL", u"00000415", u"Polish (Poland)"},
        {nullptr, 437, u"en-US", u"00000409", u"English (United States)"}};
    for (const auto& [locale, number, name, id, language] : rows) {
        const CodePage page = CodePage::LoadOrLatin1(number);
        const std::u16string text =
            Utf16Text(locale ? kbd::exports::KlcBytes(kbd::DefaultLayout(), page, "qz",
                                                      *kbd::FindLocale(locale))
                             : kbd::exports::KlcBytes(kbd::DefaultLayout(), page, "qz"));
        const std::u16string want = u"\r\nLOCALENAME\t\"" + std::u16string(name) +
                                    u"\"\r\n\r\nLOCALEID\t\"" + id + u"\"\r\n";
        EXPECT_NE(text.find(want), std::u16string::npos) << number;
        EXPECT_NE(text.find(u"LANGUAGENAMES\r\n\r\n0409\t" + std::u16string(language) + u"\r\n"),
                  std::u16string::npos)
            << number;
    }
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
    folder.write(kept, "the previous file");
    for (const std::string& path : {fresh, kept}) {
        EXPECT_EQ(Said(kbd::exports::ExportKlc(layout, *CodePage::Load(1250), "qz", path)),
                  path + ": the layout cannot become a .klc file: " + GetParam().message);
    }
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"kept.klc"});
    EXPECT_EQ(folder.read(kept), "the previous file");
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
        // The file holds no AltGr character on a key without a code, so none can lack.
        Refusal{"AltGrOnCodeZero",
                [](KeyboardLayout& l) {
                    l.VirtualKey[5] = 0;
                    l.AltGrChar[5] = 0x81;
                },
                "key 6 has virtual-key code 0x00, which has no name in a .klc file"},
        Refusal{"ShiftAltGrLacking", [](KeyboardLayout& l) { l.ShiftAltGrChar[7] = 0x98; },
                "key 8 Shift+AltGr 0x98 is not a character of code page 1250 (Central European)"},
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

// A character above U+FFFF takes two of the description's UTF-16 units.
TEST(KlcName, HoldsAtMostTheLongestDescription) {
    const kbd::testing::TempFolder folder;
    const auto write = [&](const std::string& name) {
        return Said(kbd::exports::ExportKlc(kbd::DefaultLayout(), *CodePage::Load(1250), name,
                                            folder.file("x.klc")));
    };
    EXPECT_EQ(write(std::string(63, 'n')), "");
    EXPECT_EQ(write(std::string(62, 'n') + "\xF0\x9F\x98\x80"),
              folder.file("x.klc") +
                  ": the name is 64 characters long; a .klc description holds at most 63");
}

// Each LAYOUT row, read back by the import's own reader of .klc files, says what Windows
// 95's driver types with the layout's KBD file on that key: Norm, Shift, AltGr and
// Shift+AltGr, and whether Caps Lock acts on it.
TEST(KlcText, RowsSayWhatWindowsTypes) {
    const CodePage page = *CodePage::Load(1250);
    KeyboardLayout extended = kbd::DefaultLayout();
    kbd::KeepAltGrUnderCaps(extended, page);
    extended.ShiftAltGrChar[2] = 0xA7; // § on a key Caps Lock leaves alone
    for (const KeyboardLayout& layout : {kbd::DefaultLayout(), extended}) {
        const std::string text = kbd::exports::KlcBytes(layout, page, "qz");
        const auto source = formats::ParseKlc(
            std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
        ASSERT_TRUE(source.ok()) << source.error().message();
        const auto file = kbd::driver::LoadKeyboard(kbd::BuildKbdFile(layout));
        ASSERT_TRUE(file.ok());
        const std::map<unsigned, kbd::driver::Modifiers> held{{0, kbd::driver::kNorm},
                                                              {1, kbd::driver::kShift},
                                                              {6, kbd::driver::kAltGr},
                                                              {7, kbd::driver::kShiftAltGr}};
        int keys = 0;
        for (const formats::KlcRow& row : source.value().rows) {
            const auto key = kbd::KeyOfScanCode(static_cast<std::uint8_t>(row.scanCode));
            if (!key) {
                continue; // the space bar
            }
            ++keys;
            EXPECT_EQ((row.cap & 1) != 0, kbd::driver::CapsLockActsOn(file.value(), row.virtualKey))
                << "key " << *key + 1;
            for (std::size_t column = 0; column < row.cells.size(); ++column) {
                const auto state = held.find(source.value().states[column]);
                if (state == held.end()) {
                    continue; // Ctrl: the file's constant control characters
                }
                kbd::driver::Keyboard keyboard(file.value());
                const auto typed = keyboard.pressKey(*key, state->second);
                const char32_t windows =
                    typed.bytes.size() == 1 ? page.codePoint(typed.bytes[0]).value_or(0) : 0;
                const formats::KlcCell& cell = row.cells[column];
                EXPECT_EQ(cell.kind == formats::KlcCell::Character ? cell.character : 0, windows)
                    << "key " << *key + 1 << ", state " << state->first;
            }
        }
        EXPECT_EQ(keys, kbd::kKeyCount);
    }
}

} // namespace
