#include "writer.h"

#include "atomic_file.h"
#include "bytes.h"

#include <algorithm>

namespace kbd {

void BuildKbdHeader(KbdHeader& header) {
    header.fill(0);
    ByteWriter out(header);
    constexpr auto kHeaderOffset = static_cast<std::uint16_t>(kHeaderSize);
    constexpr auto kBodyLength = static_cast<std::uint16_t>(kBodySize);
    // 0x5344 lands as the letters "DS"; 0x081A is the language word of Serbian (Latin).
    out.putWords(std::array<std::uint16_t, 11>{0x5344, 0x081A, 0, 0, kHeaderOffset, 0, kBodyLength,
                                               0, 0, 0, 0});
    out.putBytes(header::kText);
}

int BuildKbdBody(const KeyboardLayout& layout, KbdBody& image) {
    image.fill(0);
    ByteWriter out(image);
    out.putWords(body::kLeadingWordValues);

    out.seek(body::kModifiers);
    out.putBytes(body::kModifierBytes);
    out.seek(body::kStateTable);
    out.putBytes(body::kStateTableBytes);
    out.seek(body::kStateOrder);
    out.putBytes(body::kStateOrderBytes);
    out.seek(body::kCounts);
    out.putBytes(body::kCountBytes);
    out.seek(body::kCharOffsets);
    out.putWords(body::kCharOffsetWords);
    out.seek(body::kVkeyOffsets);
    out.putWords(body::kVkeyOffsetWords);

    out.seek(body::kSlot4Chars);
    out.putBytes(body::kSlot4CharBytes);
    out.seek(body::kSlot4Vkeys);
    out.putBytes(body::kSlot4VkeyBytes);
    out.seek(body::kSlot5Chars);
    out.putBytes(body::kSlot5CharBytes);
    out.seek(body::kSlot5Vkeys);
    out.putBytes(body::kSlot5VkeyBytes);

    out.seek(body::kScanCodes);
    out.putBytes(layout.ScanCode);
    out.seek(body::kVirtualKeys);
    out.putBytes(layout.VirtualKey);
    out.seek(body::kAnsiChars);
    out.putBytes(layout.AnsiChar);
    out.seek(body::kNormalChars);
    out.putBytes(layout.NormalChar);
    out.seek(body::kShiftChars);
    out.putBytes(layout.ShiftChar);

    // A key has an AltGr character only above the space and with a virtual-key code
    // to hang it on; the list is compacted in key order.
    ByteWriter chars(image, body::kAltGrChars);
    ByteWriter codes(image, body::kAltGrVkeys);
    for (int i = 0; i < kKeyCount; ++i) {
        if (layout.AltGrChar[i] > 32 && layout.VirtualKey[i] != 0) {
            chars.putByte(layout.AltGrChar[i]);
            codes.putByte(layout.VirtualKey[i]);
        }
    }
    const int count = static_cast<int>(chars.position() - body::kAltGrChars);
    out.seek(body::kAltGrCount);
    out.putWord(static_cast<std::uint16_t>(count));

    for (int i = 0; i < kKeyCount; ++i) {
        if (layout.CapsAffected[i] != 0) {
            const unsigned code = layout.VirtualKey[i];
            image[body::kCapsBitmap + code / 8] |= static_cast<std::uint8_t>(1u << (code % 8));
        }
    }
    return count;
}

KbdImage BuildKbdImage(const KeyboardLayout& layout) {
    KbdHeader header;
    KbdBody body;
    BuildKbdHeader(header);
    BuildKbdBody(layout, body);
    KbdImage image;
    std::copy(header.begin(), header.end(), image.begin());
    std::copy(body.begin(), body.end(), image.begin() + kHeaderSize);
    return image;
}

Status SaveKbdFile(const KeyboardLayout& layout, const std::string& path) {
    const KbdImage image = BuildKbdImage(layout);
    return ReplaceFileContents(path, image);
}

} // namespace kbd
