#include "reader.h"

#include "dead_keys.h"
#include "files/regular_file.h"
#include "format_rules.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <vector>

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
// the numeric-pad decimal key. Built once per decode, so each AltGr
// entry and Caps-Lock bit finds its key without a search.
FirstKeyOfCode KeysOfCodes(const KeyboardLayout& layout) {
    FirstKeyOfCode keys = FirstKeys(layout);
    for (std::uint8_t& key : keys) {
        key = key == kNoKey ? static_cast<std::uint8_t>(kDecimalKey) : key;
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

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

// True when `count` items of `width` bytes from `offset` lie inside `size` bytes.
bool Inside(std::size_t offset, std::size_t count, std::size_t width, std::size_t size) {
    return offset <= size && count * width <= size - offset;
}

std::optional<CharLayer> LayerOfShiftState(std::uint8_t state) {
    for (int l = 0; l < kCharLayerCount; ++l) {
        if (ShiftStateOf(static_cast<CharLayer>(l)) == state) {
            return static_cast<CharLayer>(l);
        }
    }
    return std::nullopt;
}

struct Extras {
    KeyBytes shiftAltGr{};
    KeyBytes deadLayers{};
    std::vector<Composition> compositions;
};

// The appended tables of an extended file, or nothing when the file announces none or
// any count or offset of them points outside what it holds.
std::optional<Extras> DecodeExtras(std::span<const std::uint8_t> file,
                                   const FirstKeyOfCode& keyOf) {
    const std::size_t size = Word(file, header::kBodySizeWord);
    if (size <= kBodySize || file.size() - kHeaderSize < size) {
        return std::nullopt;
    }
    const auto body = file.subspan(kHeaderSize, size);
    Extras extras;

    const std::size_t m = body[body::kShiftAltGrCount];
    const std::size_t chars = Word(body, body::kSlot7CharWord);
    const std::size_t codes = Word(body, body::kSlot7VkeyWord);
    if (!Inside(chars, m, 1, size) || !Inside(codes, m, 1, size)) {
        return std::nullopt;
    }
    for (std::size_t k = 0; k < m; ++k) {
        extras.shiftAltGr[keyOf[body[codes + k]]] = body[chars + k];
    }

    const std::size_t d = Word(body, body::kDeadKeyCount);
    if (d == 0 || (Word(body, body::kFlags) & body::kDeadCombos) == 0) {
        return extras;
    }
    const std::size_t deadKeys = Word(body, body::kDeadKeysWord);
    const std::size_t deadTrans = Word(body, body::kDeadTransWord);
    if (!Inside(deadKeys, d, 4, size) || !Inside(deadTrans, 1, 2, size)) {
        return std::nullopt;
    }
    const std::size_t n = Word(body, deadTrans);
    if (!Inside(deadTrans + 2, n, 3, size)) {
        return std::nullopt;
    }
    for (std::size_t k = 0; k < d; ++k) {
        const std::size_t at = deadKeys + 4 * k;
        if (const auto layer = LayerOfShiftState(body[at + 2])) {
            extras.deadLayers[keyOf[body[at + 1]]] |= LayerBit(*layer);
        }
    }
    KeyboardLayout compositions; // only its list is used
    for (std::size_t k = 0; k < n; ++k) {
        const std::uint8_t dead = body[deadTrans + 2 + 2 * k];
        const std::uint8_t base = body[deadTrans + 3 + 2 * k];
        // The driver takes the first pair that matches.
        if (!Composed(compositions, dead, base)) {
            SetComposition(compositions, {dead, base, body[deadTrans + 2 + 2 * n + k]});
        }
    }
    extras.compositions = std::move(compositions.Compositions);
    return extras;
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
    std::optional<Extras> extras = DecodeExtras(bytes, KeysOfCodes(layout));
    layout.ShiftAltGrChar = extras ? extras->shiftAltGr : KeyBytes{};
    layout.DeadLayers = extras ? extras->deadLayers : KeyBytes{};
    layout.Compositions = extras ? std::move(extras->compositions) : std::vector<Composition>{};
    return Success();
}

Status LoadKbdFile(const std::string& path, KeyboardLayout& layout) {
    UniqueFd fd;
    if (Status opened = OpenRegularFile(path, fd); !opened.ok()) {
        return opened;
    }
    std::vector<std::uint8_t> image(kMaxFileSize);
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
