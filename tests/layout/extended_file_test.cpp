#include "layout/dead_keys.h"
#include "layout/reader.h"
#include "layout/writer.h"
#include "temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace kbd {
namespace {

constexpr std::size_t kBody = 128; // file offset of the body
constexpr int kKeyA = 26;          // virtual-key code 0x41
constexpr int kKey6 = 6;           // 0x36, Shift character ^

std::vector<std::uint8_t> DefaultFile() {
    std::ifstream in(KBD_CORPUS "/decode_image/default.kbd", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// One Shift+AltGr character (Ą of code page 1250 on A) and one dead key (^ on Shift+6)
// with two compositions.
KeyboardLayout SmallExtended() {
    KeyboardLayout layout = DefaultLayout();
    layout.ShiftAltGrChar[kKeyA] = 0xA5;
    SetDead(layout, kKey6, CharLayer::Shift, true);
    SetComposition(layout, {0x5E, 'e', 0xEA});
    SetComposition(layout, {0x5E, 'a', 0xE2});
    return layout;
}

TEST(BuildKbdFile, WritesTheSmallExtendedFileByteForByte) {
    std::vector<std::uint8_t> expected = DefaultFile();
    ASSERT_EQ(expected.size(), kImageSize);
    auto set = [&](std::size_t at, std::initializer_list<std::uint8_t> bytes) {
        std::copy(bytes.begin(), bytes.end(), expected.begin() + static_cast<std::ptrdiff_t>(at));
    };
    set(12, {0x3E, 0x02});         // kbdSize 574
    set(kBody + 0, {0x2A, 0x00});  // flags 0x0A with the four-byte dead-key entries
    set(kBody + 6, {0x01, 0x00});  // one dead-key entry
    set(kBody + 30, {0x32, 0x02}); // dead-key table at 562
    set(kBody + 32, {0x36, 0x02}); // compositions at 566
    set(kBody + 55, {0x07});       // VkKeyScan state of slot 7: Shift, Ctrl, Alt
    set(kBody + 78, {0x30, 0x02}); // slot 7 characters at 560
    set(kBody + 94, {0x31, 0x02}); // slot 7 codes at 561
    set(kBody + 103, {0x01});      // slot 7 has one entry
    expected.insert(expected.end(),
                    {
                        0xA5, 0x41,                         // Ą on the A code
                        0x5E, 0x36, 0x02, 0x00,             // ^ on the 6 code, Shift
                        0x02, 0x00, 0x5E, 0x61, 0x5E, 0x65, // two pairs, bases in ascending order
                        0xE2, 0xEA,                         // â ê
                    });
    EXPECT_EQ(BuildKbdFile(SmallExtended()), expected);
}

struct Plain {
    void (*change)(KeyboardLayout&);
    const char* name;
};

class PlainFile : public ::testing::TestWithParam<Plain> {};

// What the file cannot carry leaves the 688 bytes of today.
TEST_P(PlainFile, IsTodaysImage) {
    KeyboardLayout layout = DefaultLayout();
    GetParam().change(layout);
    const KbdImage image = BuildKbdImage(layout);
    EXPECT_EQ(BuildKbdFile(layout), std::vector<std::uint8_t>(image.begin(), image.end()));
}

INSTANTIATE_TEST_SUITE_P(
    , PlainFile,
    ::testing::Values(
        Plain{[](KeyboardLayout&) {}, "Default"},
        Plain{[](auto& l) { SetComposition(l, Composition(0x5E, 'e', 0xEA)); },
              "CompositionsWithoutADeadKey"},
        Plain{[](auto& l) { l.ShiftAltGrChar[kKeyA] = 0x20; }, "ShiftAltGrSpace"},
        Plain{[](auto& l) { l.ShiftAltGrChar[kKeyA] = 0xA5, l.VirtualKey[kKeyA] = 0; },
              "ShiftAltGrOnCodeZero"},
        Plain{[](auto& l) { SetDead(l, 15, CharLayer::AltGr, true); }, "DeadOnAKeyWithoutAltGr"},
        Plain{[](auto& l) { l.VirtualKey[kKey6] = 0x31, SetDead(l, kKey6, CharLayer::Norm, true); },
              "DeadOnALaterKeyOfACode"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KbdFile, ExtendedLayoutLoadsBackWhole) {
    KeyboardLayout layout = SmallExtended();
    for (int key : {13, 29, 48}) {
        layout.ShiftAltGrChar[key] = static_cast<std::uint8_t>(0xC0 + key);
    }
    SetDead(layout, 0, CharLayer::Norm, true);
    SetDead(layout, 12, CharLayer::AltGr, true);
    SetDead(layout, kKeyA, CharLayer::ShiftAltGr, true);
    SetComposition(layout, {0xB8, 'c', 0xE7});

    testing::TempFolder folder;
    ASSERT_TRUE(SaveKbdFile(layout, folder.file("x.kbd")).ok());
    KeyboardLayout read = DefaultLayout();
    ASSERT_TRUE(LoadKbdFile(folder.file("x.kbd"), read).ok());
    EXPECT_EQ(read.ShiftAltGrChar, layout.ShiftAltGrChar);
    EXPECT_EQ(read.DeadLayers, layout.DeadLayers);
    EXPECT_EQ(read.Compositions, layout.Compositions);
    EXPECT_EQ(read.NormalChar, layout.NormalChar);
}

TEST(DecodeKbdImage, AFileWithoutExtrasClearsThoseOfTheLayoutBefore) {
    KeyboardLayout layout = SmallExtended();
    ASSERT_TRUE(DecodeKbdImage(DefaultFile(), layout).ok());
    EXPECT_EQ(layout.ShiftAltGrChar, KeyBytes{});
    EXPECT_EQ(layout.DeadLayers, KeyBytes{});
    EXPECT_TRUE(layout.Compositions.empty());
}

// The small extended file with `bytes` put at file offset `at`.
std::vector<std::uint8_t> Spoiled(std::size_t at, const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> file = BuildKbdFile(SmallExtended());
    std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
    return file;
}

KeyboardLayout Decoded(std::span<const std::uint8_t> file) {
    KeyboardLayout read = DefaultLayout();
    EXPECT_TRUE(DecodeKbdImage(file, read).ok());
    return read;
}

struct Broken {
    const char* name;
    std::size_t at; // file offset
    std::vector<std::uint8_t> bytes;
};

class BrokenExtras : public ::testing::TestWithParam<Broken> {};

// A file whose appended tables do not check out opens as a 688-byte file would.
TEST_P(BrokenExtras, OpenAsTodaysFile) {
    const std::vector<std::uint8_t> file = Spoiled(GetParam().at, GetParam().bytes);
    const KeyboardLayout read = Decoded(file), plain = Decoded(std::span(file).first(kImageSize));
    EXPECT_EQ(read.ShiftAltGrChar, KeyBytes{});
    EXPECT_EQ(read.DeadLayers, KeyBytes{});
    EXPECT_TRUE(read.Compositions.empty());
    EXPECT_EQ(read.NormalChar, plain.NormalChar);
    EXPECT_EQ(read.AltGrChar, plain.AltGrChar);
}

// kbdSize 574: the tables end at body offset 574.
INSTANTIATE_TEST_SUITE_P(
    , BrokenExtras,
    ::testing::Values(Broken{"SizeBeyondTheFile", 12, {0x3F, 0x02}},
                      Broken{"SlotSevenCountPastTheEnd", kBody + 103, {15}},
                      Broken{"SlotSevenCodesPastTheEnd", kBody + 94, {0x3E, 0x02}},
                      Broken{"DeadKeysPastTheEnd", kBody + 6, {4, 0}},
                      Broken{"CompositionCountPastTheEnd", kBody + 566, {3, 0}},
                      Broken{"CompositionsOutsideTheBody", kBody + 32, {0xFF, 0xFF}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeKbdImage, DeadKeysNeedTheFourByteEntryFlag) {
    const KeyboardLayout read = Decoded(Spoiled(kBody, {0x0A}));
    EXPECT_EQ(read.ShiftAltGrChar[kKeyA], 0xA5);
    EXPECT_EQ(read.DeadLayers, KeyBytes{});
}

TEST(DecodeKbdImage, TheFirstOfTwoPairsWins) {
    const KeyboardLayout read =
        Decoded(Spoiled(kBody + 571, {'a'})); // the second pair becomes ^ a too
    EXPECT_EQ(Composed(read, 0x5E, 'a'), 0xE2);
    EXPECT_EQ(read.Compositions.size(), 1u);
}

} // namespace
} // namespace kbd
