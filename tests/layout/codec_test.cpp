#include "layout/reader.h"
#include "layout/writer.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace kbd {
namespace {

constexpr std::size_t kBody = 128; // file offset of the body

// The seed corpus's default.kbd is the default layout's image, every byte of it checked by
// hand against the file format; all 688 are compared, the zeros between the tables too.
TEST(BuildKbdImage, GivesTheCommittedImageOfTheDefaultLayout) {
    std::ifstream in(KBD_CORPUS "/decode_image/default.kbd", std::ios::binary);
    const std::vector<std::uint8_t> expected{std::istreambuf_iterator<char>(in), {}};
    ASSERT_EQ(expected.size(), kImageSize);
    const KbdImage image = BuildKbdImage(DefaultLayout());
    for (std::size_t i = 0; i < kImageSize; ++i) {
        EXPECT_EQ(image[i], expected[i]) << "file offset " << i;
    }
}

KeyboardLayout Decoded(const KbdImage& image) {
    KeyboardLayout layout = DefaultLayout();
    const Status status = DecodeKbdImage(image, layout);
    EXPECT_TRUE(status.ok()) << status.error().message();
    return layout;
}

// With a count of 255 the entries run on past the AltGr areas: the codes from entry 56 on
// are the constant tables at body offset 528 and up, and from entry 88 on (the characters
// from entry 144 on) the zeros beyond the body. Key 6 gets code 0, which those name; a code
// that no key has lands on the decimal key, for an AltGr entry and a Caps-Lock bit alike.
TEST(DecodeKbdImage, CountOf255ReadsPastTheBodyAsZeros) {
    KbdImage image = BuildKbdImage(DefaultLayout());
    image[kBody + 102] = 255;
    image[kBody + 192 + 5] = 0;
    image[kBody + 104] = 0x80; // Caps-Lock bit of code 7
    const KeyboardLayout read = Decoded(image);
    EXPECT_EQ(read.AltGrChar[23], 0x39); // entry 64: code 0xDB at 536, character at 480
    EXPECT_EQ(read.AltGrChar[6], 0x4E);  // entry 80: 0x36 at 552
    EXPECT_EQ(read.AltGrChar[11], 0x4D); // entry 81: 0xBD at 553
    EXPECT_EQ(read.AltGrChar[5], 0);     // entries 88 to 254, the last with character 0
    EXPECT_EQ(read.AltGrChar[48], 0x46); // entry 73: code 0x1F
    EXPECT_EQ(read.CapsAffected[48], 1);
    EXPECT_EQ(read.AltGrChar[26], 0);   // no entry has the code of A
    EXPECT_EQ(read.AltGrChar[1], 0x7E); // untouched by the overrun
}

TEST(DecodeKbdImage, FindsTheSignatureAt35Or33Only) {
    const std::tuple<std::size_t, const char*, bool> places[] = {
        {35, "Tavik", true},  {33, "Tavik", true},  {34, "Tavik", false}, {36, "Tavik", false},
        {35, "tavik", false}, {35, "TAVIK", false}, {35, "Tavic", false}};
    for (const auto& [offset, word, found] : places) {
        KbdImage image = BuildKbdImage(DefaultLayout());
        std::memset(image.data() + 30, ' ', 12);
        std::memcpy(image.data() + offset, word, 5);
        KeyboardLayout layout = DefaultLayout();
        const Status status = DecodeKbdImage(image, layout);
        EXPECT_EQ(status.ok(), found) << word << " at " << offset;
        EXPECT_TRUE(found || status.error().kind == ErrorKind::NoSignature) << word;
    }
}

// Only the signature, the low byte of the AltGr count, the Caps-Lock bitmap, the four tables
// of 49 and the default layout's 28 AltGr entries are read: any other byte may change.
TEST(DecodeKbdImage, LooksAtNoOtherByte) {
    // File offsets, from and to.
    constexpr std::size_t kRead[][2] = {{35, 40},   {230, 231}, {232, 264}, {320, 369}, {376, 425},
                                        {432, 481}, {488, 537}, {544, 572}, {600, 628}};
    const KbdImage image = BuildKbdImage(DefaultLayout());
    const KeyboardLayout expected = Decoded(image);
    for (std::size_t at = 0; at < kImageSize; ++at) {
        if (std::none_of(std::begin(kRead), std::end(kRead),
                         [at](const auto& range) { return at >= range[0] && at < range[1]; })) {
            KbdImage flipped = image;
            flipped[at] ^= 0xFF;
            EXPECT_EQ(Decoded(flipped), expected) << "file offset " << at;
        }
    }
}

} // namespace
} // namespace kbd
