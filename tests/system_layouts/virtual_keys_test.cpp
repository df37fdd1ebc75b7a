// The code rules on the built-in layout with a few Norm characters moved, each row
// reaching one way a key can end with its code.
#include "system_layouts/virtual_keys.h"

#include <gtest/gtest.h>

namespace kbd {
namespace {

// Keys 1..49 and bytes: Norm characters set before the codes are assigned, and the
// virtual-key codes that differ from the default ones after.
using Edits = std::vector<std::pair<int, int>>;
struct Row {
    const char* name;
    Edits norm, codes;
};

class VirtualKeyRow : public testing::TestWithParam<Row> {};

TEST_P(VirtualKeyRow, GivesEveryKeyADistinctCode) {
    KeyboardLayout layout = DefaultLayout();
    for (const auto& [key, byte] : GetParam().norm) {
        layout.NormalChar[key - 1] = static_cast<std::uint8_t>(byte);
    }
    layout.VirtualKey.fill(0); // the codes come from the default layout, not from these
    AssignVirtualKeys(layout, CodePage::LoadOrLatin1(1250));
    KeyBytes expected = DefaultLayout().VirtualKey;
    for (const auto& [key, code] : GetParam().codes) {
        expected[key - 1] = static_cast<std::uint8_t>(code);
    }
    EXPECT_EQ(layout.VirtualKey, expected);
}

INSTANTIATE_TEST_SUITE_P(
    , VirtualKeyRow,
    testing::Values(
        // Key 1 types q before key 14 does: key 14 loses Q and takes the first spare
        // code no key holds, the one key 1 gave up.
        Row{"FirstKeyOfALetterWins", {{1, 'q'}}, {{1, 0x51}, {14, 0xC0}}},
        // Keys 1 and 12 take Y (an upper-case letter counts too) and Z; the Y place now
        // types a grave accent and takes its code, which key 1 gave up, though key 12's
        // 0xBD comes first among the spare codes; the Z place has no such character.
        Row{"OemCodeOfTheNormCharacter",
            {{1, 'Y'}, {12, 'z'}, {19, '`'}},
            {{1, 0x59}, {12, 0x5A}, {19, 0xC0}, {38, 0xBD}}},
        // Letters on digit keys give up digit codes, which are no spare codes: Q's place
        // takes the last spare (0xDF), W's place the first free default code, 0x31.
        Row{"SpareCodesRunOut",
            {{2, 'q'}, {3, 'w'}},
            {{2, 0x51}, {3, 0x57}, {14, 0xDF}, {15, 0x31}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kbd
