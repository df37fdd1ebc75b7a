// Images the driver's loader would not use: each is refused once, before use, with a
// reason that names the field.
#include "driver/kbd_driver.h"
#include "image_builder.h"
#include "layout/keyboard_layout.h"
#include "layout/writer.h"

#include <gtest/gtest.h>

namespace kbd::driver {
namespace {

std::vector<std::uint8_t> Small() {
    test::ImageSpec shape;
    shape.tables = {{0, 0, {'A'}, {'a'}}, {2, 1, {'A'}, {'A'}}};
    shape.scans = {0x1E};
    shape.scanKeys = {'A'};
    return test::BuildImage(shape);
}

struct Refusal {
    const char* name;
    void (*spoil)(std::vector<std::uint8_t>&);
    const char* reason; // a part of the reason
};

enum Field {
    Flags,
    nStateKeys,
    nStates,
    nDeadKeys,
    nLigKeys,
    STATE_LIST,
    TOASC_STATES,
    STATETABLES,
    VKEY_LISTS,
    VKEY_LIST_LENS,
    VK_STATES,
    SCANTOIDX,
    VKEYTOIDX,
    SCAN_SIZE,
    VKEYTOANSI,
    DEAD_KEYS,
    DEAD_KEYTRANS,
    LIG_KEYS,
    CAPS
};

void Set(std::vector<std::uint8_t>& image, Field field, std::uint16_t value) {
    test::SetHeaderWord(image, field, value);
}

std::uint16_t BlockSize(const std::vector<std::uint8_t>& image) {
    return static_cast<std::uint16_t>(image[12] | image[13] << 8);
}

class RefusedImage : public testing::TestWithParam<Refusal> {};

TEST_P(RefusedImage, NamesTheField) {
    std::vector<std::uint8_t> image = Small();
    ASSERT_TRUE(LoadKeyboard(image).ok());
    GetParam().spoil(image);
    const auto loaded = LoadKeyboard(image);
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.error().kind, ErrorKind::BadKeyboardData);
    EXPECT_NE(loaded.error().reason.find(GetParam().reason), std::string::npos)
        << loaded.error().reason;
}

INSTANTIATE_TEST_SUITE_P(
    Loader, RefusedImage,
    testing::Values(
        Refusal{"ShorterThanHeader", [](auto& i) { i.resize(27); }, "shorter than the 28-byte"},
        Refusal{"NoDS", [](auto& i) { i[1] = 'X'; }, "KbdDesc"},
        Refusal{"BlockPastEnd", [](auto& i) { i.pop_back(); }, "pKbdStart"},
        Refusal{"StartPastEnd", [](auto& i) { i[10] = 1; }, "pKbdStart 65564"},
        Refusal{"BlockTooSmall",
                [](auto& i) {
                    i[12] = 20;
                    i[13] = 0;
                },
                "kbdSize 20"},
        Refusal{"NineStateKeys", [](auto& i) { Set(i, nStateKeys, 9); }, "nStateKeys is 9"},
        Refusal{"TooManyStates", [](auto& i) { Set(i, nStates, 256); }, "nStates is 256"},
        Refusal{"StateListOut", [](auto& i) { Set(i, STATE_LIST, BlockSize(i) - 5); },
                "STATE_LIST"},
        Refusal{"ToAscStatesOut", [](auto& i) { Set(i, TOASC_STATES, BlockSize(i)); },
                "TOASC_STATES"},
        Refusal{"StateTablesOut", [](auto& i) { Set(i, STATETABLES, BlockSize(i) - 3); },
                "STATETABLES ("},
        Refusal{"VkeyListsOut", [](auto& i) { Set(i, VKEY_LISTS, 0xFFFF); }, "VKEY_LISTS ("},
        Refusal{"LensOut", [](auto& i) { Set(i, VKEY_LIST_LENS, BlockSize(i) - 1); },
                "VKEY_LIST_LENS"},
        Refusal{"VkStatesOut", [](auto& i) { Set(i, VK_STATES, BlockSize(i)); }, "VK_STATES"},
        Refusal{"ScanSizePastBlock", [](auto& i) { Set(i, SCAN_SIZE, 2000); }, "SCANTOIDX"},
        Refusal{"VkeyToIdxOut", [](auto& i) { Set(i, VKEYTOIDX, BlockSize(i)); }, "VKEYTOIDX"},
        Refusal{"VkeyToAnsiOut", [](auto& i) { Set(i, VKEYTOANSI, BlockSize(i)); }, "VKEYTOANSI"},
        Refusal{"CapsOut", [](auto& i) { Set(i, CAPS, BlockSize(i) - 31); }, "CAPS"},
        Refusal{"TableLengthPastBlock",
                [](auto& i) { i[test::kHeaderStart + test::HeaderWord(i, VKEY_LIST_LENS)] = 250; },
                "STATETABLES[0]"},
        Refusal{"TableVirtualKeysOut",
                [](auto& i) {
                    Set(i, VKEY_LISTS, test::HeaderWord(i, STATETABLES));
                    Set(i, STATETABLES, test::HeaderWord(i, CAPS));
                    const std::size_t second = test::kHeaderStart + test::HeaderWord(i, CAPS) + 2;
                    i[second] = static_cast<std::uint8_t>(BlockSize(i));
                    i[second + 1] = static_cast<std::uint8_t>(BlockSize(i) >> 8);
                },
                "STATETABLES[1]"},
        Refusal{"DeadKeysMissing", [](auto& i) { Set(i, nDeadKeys, 2); },
                "DEAD_KEYS is 0 although nDeadKeys is 2"},
        Refusal{"DeadTransMissing",
                [](auto& i) {
                    Set(i, nDeadKeys, 1);
                    Set(i, DEAD_KEYS, 40);
                },
                "DEAD_KEYTRANS is 0"},
        Refusal{"DeadKeysOut",
                [](auto& i) {
                    Set(i, nDeadKeys, 1);
                    Set(i, DEAD_KEYS, BlockSize(i));
                    Set(i, DEAD_KEYTRANS, 40);
                },
                "DEAD_KEYS ("},
        Refusal{"DeadTransCountPastBlock",
                [](auto& i) {
                    Set(i, nDeadKeys, 1);
                    Set(i, DEAD_KEYS, 40);
                    Set(i, DEAD_KEYTRANS, test::HeaderWord(i, CAPS));
                    i[test::kHeaderStart + test::HeaderWord(i, CAPS)] = 200;
                },
                "DEAD_KEYTRANS ("},
        Refusal{"LigaturesUnclosed", [](auto& i) { Set(i, LIG_KEYS, BlockSize(i) - 2); },
                "LIG_KEYS runs past"},
        Refusal{"LigatureEntryOut",
                [](auto& i) {
                    const std::uint16_t at = test::HeaderWord(i, CAPS);
                    Set(i, LIG_KEYS, at);
                    i[test::kHeaderStart + at] = 'a';
                    i[test::kHeaderStart + at + 4] = 200;
                },
                "LIG_KEYS entry at"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadKeyboard, ReadsOurFileAsEightTables) {
    const KbdImage image = BuildKbdImage(DefaultLayout());
    const auto loaded = LoadKeyboard(image);
    ASSERT_TRUE(loaded.ok()) << loaded.error().message();
    const auto& tables = loaded.value().tables();
    ASSERT_EQ(tables.size(), 8u);
    EXPECT_EQ(tables[6].state, 5);   // Ctrl+Alt: AltGr
    EXPECT_EQ(tables[6].length, 28); // the default layout's AltGr entries
    EXPECT_EQ(tables[7].state, 7);   // Ctrl+Alt+Shift...
    EXPECT_EQ(tables[7].length, 0);  // ...is empty
    EXPECT_EQ(StateName(loaded.value(), 7), "Ctrl+Alt+Shift");
}

TEST(LoadKeyboard, TakesTheBlockWherePKbdStartPointsInAFileOfAnySize) {
    std::vector<std::uint8_t> image = Small();
    image.insert(image.begin() + test::kHeaderStart, 100, 0xEE); // a gap before the block
    image[8] = test::kHeaderStart + 100;
    image.resize(image.size() + 50, 0xEE); // and bytes after it
    const auto loaded = LoadKeyboard(image);
    ASSERT_TRUE(loaded.ok()) << loaded.error().message();
    EXPECT_EQ(VirtualKeyOfScanCode(loaded.value(), 0x1E), 'A');
}

} // namespace
} // namespace kbd::driver
