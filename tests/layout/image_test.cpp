#include "layout/writer.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace kbd {
namespace {

constexpr std::size_t kBody = 128; // file offset of the body

struct Bytes {
    std::size_t offset;
    std::initializer_list<std::uint8_t> values;
};

KbdImage ImageOf(std::initializer_list<Bytes> parts) {
    KbdImage image{};
    for (const Bytes& part : parts) {
        std::size_t at = part.offset;
        for (std::uint8_t value : part.values) {
            image[at++] = value;
        }
    }
    return image;
}

void PutTable(KbdImage& image, std::size_t offset, const KeyBytes& values) {
    std::copy(values.begin(), values.end(), image.begin() + static_cast<std::ptrdiff_t>(offset));
}

// Every byte of the default image, written out by hand from the file layout; the
// comparison covers the zeros between the tables as well.
TEST(KbdImage, DefaultLayoutGivesTheExactImage) {
    const KeyboardLayout& layout = DefaultLayout();
    KbdImage expected = ImageOf({
        {0, {0x44, 0x53, 0x1A, 0x08, 0, 0, 0, 0, 0x80, 0, 0, 0, 0x30, 0x02}},
        {kBody + 0, {0x0A, 0, 0x03, 0, 0x07, 0, 0,    0, 0,    0, 0x28, 0, 0x39, 0,
                     0x40, 0, 0x50, 0, 0x60, 0, 0x30, 0, 0x88, 0, 0xC0, 0, 0x30, 0,
                     0xF8, 0, 0,    0, 0,    0, 0,    0, 0x68, 0, 0,    0}},
        {kBody + 40, {0x12, 0x80, 0x10, 0x80, 0x11, 0x80}},
        {kBody + 48, {0, 0, 1, 1, 2, 3, 6}},
        {kBody + 56, {0, 1, 2, 3, 4, 6, 5, 7}},
        {kBody + 64,
         {0x30, 0x01, 0x30, 0x01, 0x68, 0x01, 0x68, 0x01, 0x10, 0x02, 0x20, 0x02, 0xA0, 0x01}},
        {kBody + 80, {0xC0, 0, 0xC0, 0, 0xC0, 0, 0xC0, 0, 0x18, 0x02, 0x28, 0x02, 0xD8, 0x01}},
        {kBody + 96, {49, 49, 49, 49, 4, 3, 28, 0}},
        {kBody + 112, {0xFE, 0xFF, 0xFF, 0x07}},
        {kBody + 416,
         {0x7E, 0xA1, 0x5E, 0xA2, 0xB0, 0xB2, 0x60, 0xFF, 0xB4, 0xBD, 0xA8, 0xB8, 0x5C, 0x7C,
          0xF7, 0x27, 0xA4, 0x5B, 0x5D, 0xB3, 0xA3, 0x22, 0x40, 0x7B, 0x7D, 0xA7, 0x3C, 0x3E}},
        {kBody + 472,
         {0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x30, 0xBD, 0xBB, 0x51, 0x57,
          0xDB, 0xDD, 0xDC, 0x46, 0x47, 0x4B, 0x4C, 0xDE, 0x56, 0x42, 0x4E, 0x4D, 0xBC, 0xBE}},
        {kBody + 528, {0x1B, 0x1C, 0x1D, 0x1C}},
        {kBody + 536, {0xDB, 0xDC, 0xDD, 0xE2}},
        {kBody + 544, {0x1E, 0x1F}},
        {kBody + 552, {0x36, 0xBD}},
    });
    std::copy(header::kText.begin(), header::kText.end(), expected.begin() + 22);
    PutTable(expected, kBody + 136, layout.ScanCode);
    PutTable(expected, kBody + 192, layout.VirtualKey);
    PutTable(expected, kBody + 248, layout.AnsiChar);
    PutTable(expected, kBody + 304, layout.NormalChar);
    PutTable(expected, kBody + 360, layout.ShiftChar);

    const KbdImage image = BuildKbdImage(layout);
    for (std::size_t i = 0; i < kImageSize; ++i) {
        EXPECT_EQ(image[i], expected[i]) << "file offset " << i;
    }
}

} // namespace
} // namespace kbd
