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
    return test::BuildImage({.tables = {{0, 0, {'A'}, {'a'}}, {2, 1, {'A'}, {'A'}}},
                             .scans = {0x1E},
                             .scanKeys = {'A'}});
}

struct Refusal {
    const char* name;
    void (*spoil)(std::vector<std::uint8_t>&);
    const char* reason; // a part of the reason
};

// The data header's words.
constexpr int nStateKeys = 1, nStates = 2, nDeadKeys = 3, STATE_LIST = 5, TOASC_STATES = 6,
              STATETABLES = 7, VKEY_LISTS = 8, VKEY_LIST_LENS = 9, VK_STATES = 10, VKEYTOIDX = 12,
              SCAN_SIZE = 13, VKEYTOANSI = 14, DEAD_KEYS = 15, DEAD_KEYTRANS = 16, LIG_KEYS = 17,
              CAPS = 18;

// Header words set in order: field, value, field, value...
void Set(std::vector<std::uint8_t>&) {}
template <typename... More>
void Set(std::vector<std::uint8_t>& image, int field, int value, More... more) {
    test::SetHeaderWord(image, field, static_cast<std::uint16_t>(value));
    Set(image, more...);
}
// The byte at `offset` in the data block.
std::uint8_t& At(std::vector<std::uint8_t>& image, std::size_t offset) {
    return image[test::kHeaderStart + offset];
}
std::uint16_t Word(const std::vector<std::uint8_t>& image, int field) {
    return test::HeaderWord(image, field);
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
        Refusal{"BlockTooSmall", [](auto& i) { i[12] = 20, i[13] = 0; }, "kbdSize 20"},
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
        Refusal{"TableLengthPastBlock", [](auto& i) { At(i, Word(i, VKEY_LIST_LENS)) = 250; },
                "STATETABLES[0]"},
        Refusal{"TableVirtualKeysOut",
                [](auto& i) {
                    Set(i, VKEY_LISTS, Word(i, STATETABLES), STATETABLES, Word(i, CAPS));
                    At(i, Word(i, CAPS) + 2u) = static_cast<std::uint8_t>(BlockSize(i));
                    At(i, Word(i, CAPS) + 3u) = static_cast<std::uint8_t>(BlockSize(i) >> 8);
                },
                "STATETABLES[1]"},
        Refusal{"DeadKeysMissing", [](auto& i) { Set(i, nDeadKeys, 2); },
                "DEAD_KEYS is 0 although nDeadKeys is 2"},
        Refusal{"DeadTransMissing", [](auto& i) { Set(i, nDeadKeys, 1, DEAD_KEYS, 40); },
                "DEAD_KEYTRANS is 0"},
        Refusal{"DeadKeysOut",
                [](auto& i) { Set(i, nDeadKeys, 1, DEAD_KEYS, BlockSize(i), DEAD_KEYTRANS, 40); },
                "DEAD_KEYS ("},
        Refusal{"DeadTransCountPastBlock",
                [](auto& i) {
                    Set(i, nDeadKeys, 1, DEAD_KEYS, 40, DEAD_KEYTRANS, Word(i, CAPS));
                    At(i, Word(i, CAPS)) = 200;
                },
                "DEAD_KEYTRANS ("},
        Refusal{"LigaturesUnclosed", [](auto& i) { Set(i, LIG_KEYS, BlockSize(i) - 2); },
                "LIG_KEYS runs past"},
        Refusal{"LigatureEntryOut",
                [](auto& i) {
                    Set(i, LIG_KEYS, Word(i, CAPS));
                    At(i, Word(i, CAPS)) = 'a', At(i, Word(i, CAPS) + 4u) = 200;
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
