// VkKeyScan as the driver does it, empty table included.
#include "driver/vk_key_scan.h"
#include "image_builder.h"
#include "layout/keyboard_layout.h"
#include "layout/writer.h"

#include <gtest/gtest.h>

namespace kbd::driver {
namespace {

using Found = KeyScan::Found;

struct Row {
    const char* name;
    bool ourFile; // else a file whose every table has entries
    std::uint8_t character;
    Found found;
    int table;
    std::optional<std::uint8_t> virtualKey;
    std::uint8_t shiftState;
};

LoadedKeyboard Load(bool ourFile) {
    if (ourFile) {
        const KbdImage image = BuildKbdImage(DefaultLayout());
        return LoadKeyboard(image).value();
    }
    return LoadKeyboard(test::BuildImage({.tables = {{0, 0, {'A', 0xBA}, {'a', ';'}},
                                                     {2, 1, {'A'}, {'A'}},
                                                     {5, 6, {'Q'}, {'@'}}}}))
        .value();
}

class VkKeyScanRow : public testing::TestWithParam<Row> {};

TEST_P(VkKeyScanRow, Answers) {
    const Row& row = GetParam();
    const KeyScan scan = VkKeyScan(Load(row.ourFile), row.character);
    EXPECT_EQ(scan.found, row.found);
    EXPECT_EQ(scan.table, row.table);
    EXPECT_EQ(scan.virtualKey, row.virtualKey);
    EXPECT_EQ(scan.shiftState, row.shiftState);
}

INSTANTIATE_TEST_SUITE_P(
    Driver, VkKeyScanRow,
    testing::Values(
        Row{"NormCharacter", true, 'q', Found::InTable, 0, 'Q', 0},
        Row{"ShiftCharacter", true, '!', Found::InTable, 2, '1', 1},
        Row{"AltGrCharacter", true, '\\', Found::InTable, 0, 0xDC, 0},
        Row{"OnlyOnAltGr", true, 0xA3, Found::InTable, 6, 'L', 6},
        Row{"CtrlTableOfOurs", true, 0x1B, Found::InTable, 4, 0xDB, 2},
        // The empty Ctrl+Alt+Shift table catches everything else, before the driver's
        // own lists: Tab, Return and Ctrl+letters are not found, and a character no
        // key types is "found" on a key read from outside the layout.
        Row{"TabEndsInTheEmptyTable", true, 0x09, Found::EmptyTable, 7, std::nullopt, 0},
        Row{"CtrlLetterEndsInTheEmptyTable", true, 0x01, Found::EmptyTable, 7, std::nullopt, 0},
        Row{"UntypableEndsInTheEmptyTable", true, 0xE9, Found::EmptyTable, 7, std::nullopt, 0},
        Row{"DriverListWithoutEmptyTable", false, 0x09, Found::Driver, -1, 0x09, 0},
        Row{"DriverDigitIsNumPad", false, '5', Found::Driver, -1, 0x65, 0},
        Row{"CtrlKeyWithoutEmptyTable", false, 0x1C, Found::DriverCtrl, -1, 0xDC, 2},
        Row{"CtrlLetterWithoutEmptyTable", false, 0x1A, Found::DriverCtrl, -1, 'Z', 2},
        Row{"AltGrTable", false, '@', Found::InTable, 2, 'Q', 6},
        Row{"NotFound", false, 0xE9, Found::NotFound, -1, std::nullopt, 0},
        Row{"ZeroNotFound", false, 0, Found::NotFound, -1, std::nullopt, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VkKeyScan, EmptyTableAfterItsListReportsTheByteBefore) {
    std::vector<std::uint8_t> image = test::BuildImage({.tables = {{0, 0, {'A'}, {'a'}}, {2, 1}}});
    // Point the empty table's list at table 0's list plus one: the byte before is 'A'.
    const std::size_t lists = test::kHeaderStart + test::HeaderWord(image, 8);
    const std::uint16_t first = static_cast<std::uint16_t>(image[lists] | image[lists + 1] << 8);
    image[lists + 2] = static_cast<std::uint8_t>(first + 1);
    const KeyScan scan = VkKeyScan(LoadKeyboard(image).value(), 0xE9);
    EXPECT_EQ(scan.found, Found::EmptyTable);
    EXPECT_EQ(scan.virtualKey, std::optional<std::uint8_t>('A'));
    EXPECT_EQ(scan.shiftState, 1);
}

} // namespace
} // namespace kbd::driver
