#include "writer.h"

#include "bytes.h"
#include "extended_tables.h"
#include "files/atomic_file.h"
#include "format_rules.h"

#include <algorithm>

namespace kbd {
namespace {

// "DS", the language word, the body offset and size, the text.
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

// Everything of the body that is the same in every file.
void PutConstantTables(KbdBody& image) {
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
}

// The layout's part of a body whose AltGr areas and Caps-Lock bitmap are still zero.
void PutLayoutTables(const KeyboardLayout& layout, std::span<std::uint8_t, kBodySize> image) {
    auto put = [&](std::size_t offset, const KeyBytes& bytes) {
        std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
    };
    put(body::kScanCodes, layout.ScanCode);
    put(body::kVirtualKeys, layout.VirtualKey);
    put(body::kAnsiChars, layout.AnsiChar);
    put(body::kNormalChars, layout.NormalChar);
    put(body::kShiftChars, layout.ShiftChar);

    // The list is compacted in key order.
    std::size_t count = 0;
    for (int i = 0; i < kKeyCount; ++i) {
        if (AltGrWritten(layout, i)) {
            image[body::kAltGrChars + count] = layout.AltGrChar[i];
            image[body::kAltGrVkeys + count] = layout.VirtualKey[i];
            ++count;
        }
    }
    image[body::kAltGrCount] = static_cast<std::uint8_t>(count);
    image[body::kAltGrCount + 1] = 0;

    for (int i = 0; i < kKeyCount; ++i) {
        if (layout.CapsAffected[i] != 0) {
            const unsigned code = layout.VirtualKey[i];
            image[body::kCapsBitmap + code / 8] |= static_cast<std::uint8_t>(1u << (code % 8));
        }
    }
}

// Header and constant tables, laid out once; each image starts as a copy of it.
const KbdImage& ImageTemplate() {
    static const KbdImage kTemplate = [] {
        KbdHeader header;
        BuildKbdHeader(header);
        KbdBody body{};
        PutConstantTables(body);
        KbdImage image{};
        std::copy(header.begin(), header.end(), image.begin());
        std::copy(body.begin(), body.end(), image.begin() + kHeaderSize);
        return image;
    }();
    return kTemplate;
}

// Appends the tables after the 560-byte body and points the body's words at them.
void PutExtendedTables(const ExtendedTables& tables, std::vector<std::uint8_t>& file) {
    const std::size_t m = tables.shiftAltGr.size();
    const std::size_t d = tables.deadKeys.size();
    const std::size_t deadKeys = body::kExtras + 2 * m;
    const std::size_t deadTrans = deadKeys + 4 * d;
    // kbdSize and every offset are words; a table of compositions too long for them is cut.
    const std::size_t n =
        d == 0 ? 0 : std::min(tables.compositions.size(), (body::kMaxBodySize - deadTrans - 2) / 3);
    const std::size_t size = d == 0 ? body::kExtras + 2 * m : deadTrans + 2 + 3 * n;
    file.resize(kHeaderSize + size, 0);

    const std::span<std::uint8_t> image(file);
    ByteWriter header(image.first(kHeaderSize), header::kBodySizeWord);
    header.putWord(static_cast<std::uint16_t>(size));
    ByteWriter out(image.subspan(kHeaderSize));
    if (m != 0) {
        out.seek(body::kExtras);
        for (const TableEntry& entry : tables.shiftAltGr) {
            out.putByte(entry.character);
        }
        for (const TableEntry& entry : tables.shiftAltGr) {
            out.putByte(entry.virtualKey);
        }
        out.seek(body::kSlot7CharWord);
        out.putWord(static_cast<std::uint16_t>(body::kExtras));
        out.seek(body::kSlot7VkeyWord);
        out.putWord(static_cast<std::uint16_t>(body::kExtras + m));
        out.seek(body::kShiftAltGrCount);
        out.putByte(static_cast<std::uint8_t>(m));
        out.seek(body::kSlot7VkState);
        out.putByte(body::kShiftCtrlAltVkState);
    }
    if (d == 0) {
        return;
    }
    out.seek(body::kFlags);
    out.putWord(static_cast<std::uint16_t>(body::kLeadingWordValues[0] | body::kDeadCombos));
    out.seek(body::kDeadKeyCount);
    out.putWord(static_cast<std::uint16_t>(d));
    out.seek(body::kDeadKeysWord);
    out.putWord(static_cast<std::uint16_t>(deadKeys));
    out.putWord(static_cast<std::uint16_t>(deadTrans));

    out.seek(deadKeys);
    for (const DeadKeyEntry& entry : tables.deadKeys) {
        out.putBytes(std::array<std::uint8_t, 4>{entry.character, entry.virtualKey,
                                                 ShiftStateOf(entry.layer), 0});
    }
    out.putWord(static_cast<std::uint16_t>(n));
    for (std::size_t k = 0; k < n; ++k) {
        out.putByte(tables.compositions[k].dead);
        out.putByte(tables.compositions[k].base);
    }
    for (std::size_t k = 0; k < n; ++k) {
        out.putByte(tables.compositions[k].result);
    }
}

} // namespace

KbdImage BuildKbdImage(const KeyboardLayout& layout) {
    KbdImage image = ImageTemplate();
    PutLayoutTables(layout, std::span(image).subspan<kHeaderSize, kBodySize>());
    return image;
}

std::vector<std::uint8_t> BuildKbdFile(const KeyboardLayout& layout) {
    const KbdImage image = BuildKbdImage(layout);
    std::vector<std::uint8_t> file(image.begin(), image.end());
    const ExtendedTables tables = BuildExtendedTables(layout);
    if (!tables.empty()) {
        PutExtendedTables(tables, file);
    }
    return file;
}

Status SaveKbdFile(const KeyboardLayout& layout, const std::string& path) {
    return ReplaceFileContents(path, BuildKbdFile(layout));
}

} // namespace kbd
