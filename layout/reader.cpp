#include "reader.h"

#include "files/regular_file.h"
#include "format_rules.h"

#include <algorithm>
#include <bit>

namespace kbd {
namespace {

// The body is read as if from a 1024-byte buffer whose positions from 560 on are 0:
// an AltGr count above 56 walks past the body into those zeros (at most to 472 + 254).
std::uint8_t BodyByte(std::span<const std::uint8_t, kBodySize> body, std::size_t position) {
    return position < kBodySize ? body[position] : 0;
}

bool SignatureAt(std::span<const std::uint8_t> header, std::size_t offset) {
    return std::equal(
        header::kSignature.begin(), header::kSignature.end(),
        header.begin() + static_cast<std::ptrdiff_t>(offset),
        [](char want, std::uint8_t have) { return static_cast<std::uint8_t>(want) == have; });
}

// For every virtual-key code, the first key that has it; a code no key has lands on
// key index 48, the numeric-pad decimal key. Built once per decode, so each AltGr
// entry and Caps-Lock bit finds its key without a search.
FirstKeyOfCode KeysOfCodes(const KeyboardLayout& layout) {
    FirstKeyOfCode keys = FirstKeys(layout);
    for (std::uint8_t& key : keys) {
        key = key == kNoKey ? static_cast<std::uint8_t>(kKeyCount - 1) : key;
    }
    return keys;
}

void DecodeBody(std::span<const std::uint8_t, kBodySize> body, KeyboardLayout& layout) {
    // The plain tables come first: AltGr entries and Caps-Lock bits look keys up
    // by their new virtual-key codes.
    for (int i = 0; i < kKeyCount; ++i) {
        layout.VirtualKey[i] = body[body::kVirtualKeys + i];
        layout.AnsiChar[i] = body[body::kAnsiChars + i];
        layout.NormalChar[i] = body[body::kNormalChars + i];
        layout.ShiftChar[i] = body[body::kShiftChars + i];
    }

    const FirstKeyOfCode keyOf = KeysOfCodes(layout);
    layout.AltGrChar.fill(0);
    const int count = body[body::kAltGrCount]; // the high byte of the word is not read
    for (int k = 0; k < count; ++k) {
        const int key = keyOf[BodyByte(body, body::kAltGrVkeys + k)];
        layout.AltGrChar[key] = BodyByte(body, body::kAltGrChars + k);
    }

    layout.CapsAffected.fill(0);
    for (unsigned j = 0; j < body::kCapsBitmapSize; ++j) {
        for (unsigned bits = body[body::kCapsBitmap + j]; bits != 0; bits &= bits - 1) {
            layout.CapsAffected[keyOf[8 * j + static_cast<unsigned>(std::countr_zero(bits))]] = 1;
        }
    }
}

} // namespace

bool HasKbdSignature(std::span<const std::uint8_t> header) {
    if (header.size() < header::kSignatureOffset + header::kSignature.size()) {
        return false;
    }
    return SignatureAt(header, header::kAltSignatureOffset) ||
           SignatureAt(header, header::kSignatureOffset);
}

Status DecodeKbdImage(std::span<const std::uint8_t> bytes, KeyboardLayout& layout) {
    if (bytes.size() < kImageSize) {
        return Error{ErrorKind::TooShort, {}, {}};
    }
    if (!HasKbdSignature(bytes.first(kHeaderSize))) {
        return Error{ErrorKind::NoSignature, {}, {}};
    }
    DecodeBody(bytes.subspan(kHeaderSize).first<kBodySize>(), layout);
    return Success();
}

Status LoadKbdFile(const std::string& path, KeyboardLayout& layout) {
    UniqueFd fd;
    if (Status opened = OpenRegularFile(path, fd); !opened.ok()) {
        return opened;
    }
    KbdImage image{};
    const Result<std::size_t> have = ReadUpTo(fd, image, path);
    if (!have.ok()) {
        return have.error();
    }
    Status decoded = DecodeKbdImage(std::span(image).first(have.value()), layout);
    if (!decoded.ok()) {
        return Error{decoded.error().kind, path, {}};
    }
    return decoded;
}

} // namespace kbd
