#include "layout/keyboard_layout.h"

#include <gtest/gtest.h>

namespace kbd {
namespace {

TEST(LayerChar, EachModeNamesItsOwnFieldAndNothingOutsideTheModesAndKeys) {
    const std::pair<int, KeyBytes KeyboardLayout::*> fields[] = {
        {LayerShift, &KeyboardLayout::ShiftChar},
        {LayerNorm, &KeyboardLayout::NormalChar},
        {LayerAltGr, &KeyboardLayout::AltGrChar},
        {LayerAnsi, &KeyboardLayout::AnsiChar},
        {LayerShiftAltGr, &KeyboardLayout::ShiftAltGrChar}};
    for (const auto& [mode, field] : fields) {
        KeyboardLayout layout = DefaultLayout(), expected = DefaultLayout();
        SetLayerChar(layout, mode, 13, 0xE8);
        (expected.*field)[13] = 0xE8;
        EXPECT_EQ(layout, expected) << "mode " << mode;
        EXPECT_EQ(LayerChar(layout, mode, 13), 0xE8) << "mode " << mode;
    }
    KeyboardLayout layout = DefaultLayout();
    for (const auto& [mode, index] :
         {std::pair{0, 0}, {6, 0}, {-1, 0}, {LayerNorm, -1}, {LayerNorm, kKeyCount}}) {
        EXPECT_EQ(LayerChar(layout, mode, index), std::nullopt) << mode << " " << index;
        SetLayerChar(layout, mode, index, 0x41);
    }
    EXPECT_EQ(layout, DefaultLayout());
}

} // namespace
} // namespace kbd
