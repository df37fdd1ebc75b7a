#include "layout/keyboard_layout.h"

#include <gtest/gtest.h>

namespace kbd {
namespace {

TEST(DefaultLayout, CapsLockActsOnExactlyTheLetterKeys) {
    const char* expected = "0000000000000111111111100011111111100111111100000";
    const KeyboardLayout& layout = DefaultLayout();
    int count = 0;
    for (int i = 0; i < kKeyCount; ++i) {
        EXPECT_EQ(layout.CapsAffected[i], expected[i] - '0') << "key index " << i;
        if (layout.CapsAffected[i]) {
            ++count;
            EXPECT_GE(layout.VirtualKey[i], 'A') << i;
            EXPECT_LE(layout.VirtualKey[i], 'Z') << i;
            EXPECT_EQ(layout.AnsiChar[i], layout.ShiftChar[i]) << i;
            EXPECT_EQ(layout.NormalChar[i], layout.ShiftChar[i] + 0x20) << i;
        }
    }
    EXPECT_EQ(count, 26);
}

TEST(DefaultLayout, VirtualKeysAreDistinct) {
    const KeyboardLayout& layout = DefaultLayout();
    for (int i = 0; i < kKeyCount; ++i) {
        for (int j = i + 1; j < kKeyCount; ++j) {
            EXPECT_NE(layout.VirtualKey[i], layout.VirtualKey[j]) << i << " and " << j;
        }
    }
}

TEST(DefaultLayout, ProgramLayoutStartsWithTheDefaults) {
    EXPECT_EQ(ProgramLayout(), DefaultLayout());
}

TEST(DefaultLayout, ResetRestoresEveryField) {
    KeyboardLayout layout;
    layout.ScanCode.fill(7);
    layout.CapsAffected.fill(9);
    ResetLayoutDefaults(layout);
    EXPECT_EQ(layout, DefaultLayout());
}

struct LayerCase {
    int mode;
    KeyBytes KeyboardLayout::*field;
};

class LayerAccess : public ::testing::TestWithParam<LayerCase> {};

TEST_P(LayerAccess, ReadsAndWritesOnlyTheNamedField) {
    KeyboardLayout layout = DefaultLayout();
    const auto [mode, field] = GetParam();
    EXPECT_EQ(LayerChar(layout, mode, 13), (layout.*field)[13]);

    SetLayerChar(layout, mode, 13, 0xE8);
    KeyboardLayout expected = DefaultLayout();
    (expected.*field)[13] = 0xE8;
    EXPECT_EQ(layout, expected);
    EXPECT_EQ(LayerChar(layout, mode, 13), 0xE8);
}

INSTANTIATE_TEST_SUITE_P(Modes, LayerAccess,
                         ::testing::Values(LayerCase{LayerShift, &KeyboardLayout::ShiftChar},
                                           LayerCase{LayerNorm, &KeyboardLayout::NormalChar},
                                           LayerCase{LayerAltGr, &KeyboardLayout::AltGrChar},
                                           LayerCase{LayerAnsi, &KeyboardLayout::AnsiChar}));

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
