// The lines kbdtool prints and the editor lists for characters a built layout lacks.
#include "layout/keyboard_layout.h"
#include "system_layouts/not_carried.h"

#include <gtest/gtest.h>

namespace kbd {
namespace {

struct Line {
    const char* name;
    NotCarried item;
    int codePage;
    const char* text;
};

void PrintTo(const Line& line, std::ostream* os) {
    *os << line.name;
}

class NotCarriedLine : public testing::TestWithParam<Line> {};

TEST_P(NotCarriedLine, NamesKeyLayerCharacterAndOutcome) {
    EXPECT_EQ(NotCarriedText(GetParam().item, CodePage::LoadOrLatin1(GetParam().codePage)),
              GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    , NotCarriedLine,
    testing::Values(
        Line{"NormNotInCodePage",
             {14, LayerNorm, NotCarriedWhy::NotInCodePage, U'\u03C9', "Greek_omega", 'q'},
             1250,
             "key 14 Norm: U+03C9 \u03C9 is not in code page 1250; kept q"},
        // The kept byte reads in the code page: 0xB8 is ё in 1251.
        Line{"ShiftKeptByteReadInTheCodePage",
             {1, LayerShift, NotCarriedWhy::NotInCodePage, U'\u20AC', "EuroSign", 0xB8},
             1251,
             "key 1 Shift: U+20AC \u20AC is not in code page 1251; kept \u0451"},
        Line{"AltGrNotInCodePage",
             {12, LayerAltGr, NotCarriedWhy::NotInCodePage, U'\u00AF', "dead_macron", 0x20},
             1251,
             "key 12 AltGr: U+00AF \u00AF is not in code page 1251; left empty"},
        Line{"ControlCharacter",
             {5, LayerShift, NotCarriedWhy::SpaceOrControl, U'\t', "Tab", '$'},
             1250,
             "key 5 Shift: U+0009 is a space or a control character; kept $"},
        Line{"KeysymWithoutCharacter",
             {33, LayerAltGr, NotCarriedWhy::NoCharacter, 0, "dead_belowdot", 0x20},
             1250,
             "key 33 AltGr: dead_belowdot has no character; left empty"},
        Line{"CharacterAboveTheBasicPlane",
             {49, LayerNorm, NotCarriedWhy::NotInCodePage, U'\U0001F600', "U1F600", ','},
             1252,
             "key 49 Norm: U+1F600 \U0001F600 is not in code page 1252; kept ,"}),
    [](const testing::TestParamInfo<Line>& info) { return std::string(info.param.name); });

} // namespace
} // namespace kbd
