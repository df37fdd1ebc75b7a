#include "layout/keyboard_layout.h"

#include <gtest/gtest.h>

namespace kbd {
namespace {

struct LayerCase {
    const char* name;
    int mode;
    KeyBytes KeyboardLayout::*field;
};

class LayerAccess : public ::testing::TestWithParam<LayerCase> {};

TEST_P(LayerAccess, ReadsAndWritesOnlyTheNamedField) {
    KeyboardLayout layout = DefaultLayout();
    const auto [name, mode, field] = GetParam();
    EXPECT_EQ(LayerChar(layout, mode, 13), (layout.*field)[13]);

    SetLayerChar(layout, mode, 13, 0xE8);
    KeyboardLayout expected = DefaultLayout();
    (expected.*field)[13] = 0xE8;
    EXPECT_EQ(layout, expected);
    EXPECT_EQ(LayerChar(layout, mode, 13), 0xE8);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, LayerAccess,
    ::testing::Values(LayerCase{"Shift", LayerShift, &KeyboardLayout::ShiftChar},
                      LayerCase{"Norm", LayerNorm, &KeyboardLayout::NormalChar},
                      LayerCase{"AltGr", LayerAltGr, &KeyboardLayout::AltGrChar},
                      LayerCase{"Ansi", LayerAnsi, &KeyboardLayout::AnsiChar}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LayerAccessOutsideTheLayers, NamesNoField) {
    KeyboardLayout layout = DefaultLayout();
    for (int mode : {0, 5, -1, 100}) {
        EXPECT_EQ(LayerChar(layout, mode, 0), std::nullopt) << mode;
        SetLayerChar(layout, mode, 0, 0x41);
    }
    EXPECT_EQ(LayerChar(layout, LayerNorm, -1), std::nullopt);
    EXPECT_EQ(LayerChar(layout, LayerNorm, kKeyCount), std::nullopt);
    SetLayerChar(layout, LayerNorm, kKeyCount, 0x41);
    EXPECT_EQ(layout, DefaultLayout());
}

} // namespace
} // namespace kbd
