#include "layout/reader.h"
#include "layout/writer.h"
#include "random_layout.h"

#include <cstring>
#include <gtest/gtest.h>

namespace kbd {
namespace {

constexpr std::size_t kBody = 128;

KeyboardLayout Decoded(const KbdImage& image, KeyboardLayout start = DefaultLayout()) {
    const Status status = DecodeKbdImage(image, start);
    EXPECT_TRUE(status.ok()) << status.error().message();
    return start;
}

TEST(DecodeKbdImage, RandomLayoutsWithDistinctCodesComeBackAsWritten) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 300; ++round) {
        const KeyboardLayout layout = testing::RandomLayout(random);
        KeyboardLayout start = DefaultLayout();
        start.ScanCode.fill(static_cast<std::uint8_t>(round));
        KeyboardLayout expected = testing::ExpectedAfterRoundTrip(layout);
        expected.ScanCode = start.ScanCode; // never read from a file

        ASSERT_EQ(Decoded(BuildKbdImage(layout), start), expected) << "round " << round;
    }
}

TEST(DecodeKbdImage, DefaultLayoutLosesOnlyItsBlankAltGrCharacters) {
    KeyboardLayout expected = DefaultLayout();
    for (auto& c : expected.AltGrChar) {
        c = c == 0x20 ? 0 : c;
    }
    EXPECT_EQ(Decoded(BuildKbdImage(DefaultLayout())), expected);
}

TEST(DecodeKbdImage, SharedVirtualKeyLandsOnTheLowerIndexedKey) {
    KeyboardLayout layout = DefaultLayout();
    layout.VirtualKey[30] = layout.VirtualKey[29]; // G takes F's code
    layout.AltGrChar[29] = 0xC1;
    layout.AltGrChar[30] = 0xC2;
    layout.CapsAffected[29] = 0;
    layout.CapsAffected[30] = 1;

    const KeyboardLayout read = Decoded(BuildKbdImage(layout));
    EXPECT_EQ(read.AltGrChar[29], 0xC2); // the later entry wins
    EXPECT_EQ(read.AltGrChar[30], 0);
    EXPECT_EQ(read.CapsAffected[29], 1);
    EXPECT_EQ(read.CapsAffected[30], 0);
    EXPECT_EQ(read.VirtualKey[30], layout.VirtualKey[29]);
}

TEST(DecodeKbdImage, CodesThatNoKeyHasLandOnTheDecimalKey) {
    KbdImage image = BuildKbdImage(DefaultLayout());
    image[kBody + 472] = 0x07; // the 1 key's AltGr entry now names code 7
    image[kBody + 104] = 0x80; // Caps-Lock bit of code 7
    const KeyboardLayout read = Decoded(image);
    EXPECT_EQ(read.AltGrChar[1], 0);
    EXPECT_EQ(read.AltGrChar[48], 0x7E);
    EXPECT_EQ(read.CapsAffected[48], 1);
}

// With a count of 255 the entries run on past the AltGr areas: the codes from entry
// 56 on are the constant tables at body offset 528 and up, and from entry 88 on (the
// character from entry 144 on) the zeros beyond the body.
TEST(DecodeKbdImage, CountOf255ReadsPastTheBodyAsZeros) {
    KbdImage image = BuildKbdImage(DefaultLayout());
    image[kBody + 102] = 255;

    const KeyboardLayout read = Decoded(image);
    EXPECT_EQ(read.AltGrChar[23], 0x39); // entry 64: code 0xDB at 536, character at 480
    EXPECT_EQ(read.AltGrChar[24], 0xBD); // entry 66: 0xDD
    EXPECT_EQ(read.AltGrChar[25], 0x30); // entry 65: 0xDC
    EXPECT_EQ(read.AltGrChar[47], 0xBB); // entry 67: 0xE2
    EXPECT_EQ(read.AltGrChar[6], 0x4E);  // entry 80: 0x36 at 552
    EXPECT_EQ(read.AltGrChar[11], 0x4D); // entry 81: 0xBD at 553
    EXPECT_EQ(read.AltGrChar[48], 0);    // the last entry, 254, is code 0 character 0
    EXPECT_EQ(read.AltGrChar[1], 0x7E);  // untouched by the overrun
    EXPECT_EQ(read.AltGrChar[45], 0x3E);
}

TEST(DecodeKbdImage, CountOf255SendsCodeZeroToTheFirstKeyWithoutACode) {
    KbdImage image = BuildKbdImage(DefaultLayout());
    image[kBody + 102] = 255;
    image[kBody + 192 + 5] = 0; // key index 5 now has virtual-key code 0

    const KeyboardLayout read = Decoded(image);
    EXPECT_EQ(read.VirtualKey[5], 0);
    EXPECT_EQ(read.AltGrChar[5], 0);     // every entry from 88 on lands here
    EXPECT_EQ(read.AltGrChar[48], 0x46); // entry 73: code 0x1F, which no key has
}

struct SignatureCase {
    std::size_t offset;
    const char* word;
};

class Signature : public ::testing::TestWithParam<SignatureCase> {};

TEST_P(Signature, IsLookedForAtTwoPlacesOnly) {
    const auto [offset, word] = GetParam();
    KbdImage image = BuildKbdImage(DefaultLayout());
    std::memset(image.data() + 30, ' ', 12);
    std::memcpy(image.data() + offset, word, 5);
    const bool accepted = (offset == 33 || offset == 35) && std::strcmp(word, "Tavik") == 0;

    KeyboardLayout layout = DefaultLayout();
    layout.NormalChar[0] = 0x99;
    KeyboardLayout before = layout;
    const Status status = DecodeKbdImage(image, layout);
    EXPECT_EQ(status.ok(), accepted);
    if (accepted) {
        EXPECT_EQ(layout.NormalChar[0], DefaultLayout().NormalChar[0]);
    } else {
        EXPECT_EQ(status.error().kind, ErrorKind::NoSignature);
        EXPECT_EQ(layout, before);
    }
}

INSTANTIATE_TEST_SUITE_P(Places, Signature,
                         ::testing::Values(SignatureCase{35, "Tavik"}, SignatureCase{33, "Tavik"},
                                           SignatureCase{34, "Tavik"}, SignatureCase{36, "Tavik"},
                                           SignatureCase{35, "tavik"}, SignatureCase{35, "TAVIK"},
                                           SignatureCase{35, "Tavic"}),
                         [](const auto& info) {
                             return std::string(info.param.word) + "_at_" +
                                    std::to_string(info.param.offset);
                         });

// File offsets [from, to) of bytes that the reader must not look at: each of them, changed
// alone, leaves the decoded layout as it was.
struct IgnoredRange {
    const char* name;
    std::size_t from, to;
};

class IgnoredBytes : public ::testing::TestWithParam<IgnoredRange> {};

TEST_P(IgnoredBytes, ChangeNothingWhenFlipped) {
    const KbdImage image = BuildKbdImage(DefaultLayout());
    const KeyboardLayout expected = Decoded(image);
    for (std::size_t at = GetParam().from; at < GetParam().to; ++at) {
        KbdImage flipped = image;
        flipped[at] ^= 0xFF;
        EXPECT_EQ(Decoded(flipped), expected) << "file offset " << at;
    }
}

// The default layout has 28 AltGr entries; every table of 49 is padded to 56 bytes.
INSTANTIATE_TEST_SUITE_P(
    Offsets, IgnoredBytes,
    ::testing::Values(IgnoredRange{"HeaderBeforeTheSignature", 0, 35},
                      IgnoredRange{"HeaderAfterTheSignature", 40, kBody},
                      IgnoredRange{"ConstantTables", kBody, kBody + 102},
                      IgnoredRange{"HighByteOfTheAltGrCount", kBody + 103, kBody + 104},
                      IgnoredRange{"ScanCodes", kBody + 136, kBody + 192},
                      IgnoredRange{"AfterTheVirtualKeys", kBody + 241, kBody + 248},
                      IgnoredRange{"AfterTheAnsiCharacters", kBody + 297, kBody + 304},
                      IgnoredRange{"AfterTheNormalCharacters", kBody + 353, kBody + 360},
                      IgnoredRange{"AfterTheShiftCharacters", kBody + 409, kBody + 416},
                      IgnoredRange{"AltGrCharactersPastTheCount", kBody + 444, kBody + 472},
                      IgnoredRange{"AltGrCodesPastTheCount", kBody + 500, kBody + 528},
                      IgnoredRange{"ControlCharacterLists", kBody + 528, kImageSize}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeKbdImage, RefusesFewerThan688BytesAndKeepsTheLayout) {
    const KbdImage image = BuildKbdImage(DefaultLayout());
    KeyboardLayout layout = DefaultLayout();
    layout.AltGrChar.fill(0x55);
    const KeyboardLayout before = layout;
    for (std::size_t size : {0, 1, 40, 128, 687}) {
        const Status status = DecodeKbdImage(std::span(image).first(size), layout);
        ASSERT_FALSE(status.ok()) << size;
        EXPECT_EQ(status.error().kind, ErrorKind::TooShort);
        EXPECT_EQ(layout, before);
    }
}

} // namespace
} // namespace kbd
