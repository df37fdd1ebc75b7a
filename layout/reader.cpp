#include "reader.h"

#include "unique_fd.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kbd {
namespace {

// The body is decoded from a 1024-byte buffer whose positions from 560 on are 0: an
// AltGr count above 56 walks past the body into those zeros (at most to 472 + 254).
constexpr std::size_t kReadBufferSize = 1024;
using ReadBuffer = std::array<std::uint8_t, kReadBufferSize>;

bool SignatureAt(std::span<const std::uint8_t> header, std::size_t offset) {
    return std::equal(
        header::kSignature.begin(), header::kSignature.end(),
        header.begin() + static_cast<std::ptrdiff_t>(offset),
        [](char want, std::uint8_t have) { return static_cast<std::uint8_t>(want) == have; });
}

// The first key with this virtual-key code; a code no key has lands on key index 48,
// the numeric-pad decimal key.
int FindKey(const KeyboardLayout& layout, std::uint8_t code) {
    for (int i = 0; i < kKeyCount - 1; ++i) {
        if (layout.VirtualKey[i] == code) {
            return i;
        }
    }
    return kKeyCount - 1;
}

void DecodeBody(const ReadBuffer& body, KeyboardLayout& layout) {
    // The plain tables come first: AltGr entries and Caps-Lock bits look keys up
    // by their new virtual-key codes.
    for (int i = 0; i < kKeyCount; ++i) {
        layout.VirtualKey[i] = body[body::kVirtualKeys + i];
        layout.AnsiChar[i] = body[body::kAnsiChars + i];
        layout.NormalChar[i] = body[body::kNormalChars + i];
        layout.ShiftChar[i] = body[body::kShiftChars + i];
    }

    layout.AltGrChar.fill(0);
    const int count = body[body::kAltGrCount]; // the high byte of the word is not read
    for (int k = 0; k < count; ++k) {
        const int key = FindKey(layout, body[body::kAltGrVkeys + k]);
        layout.AltGrChar[key] = body[body::kAltGrChars + k];
    }

    layout.CapsAffected.fill(0);
    for (unsigned j = 0; j < body::kCapsBitmapSize; ++j) {
        for (unsigned bit = 0; bit < 8; ++bit) {
            if (body[body::kCapsBitmap + j] & (1u << bit)) {
                layout.CapsAffected[FindKey(layout, static_cast<std::uint8_t>(8 * j + bit))] = 1;
            }
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
    ReadBuffer body{};
    std::copy_n(bytes.begin() + kHeaderSize, kBodySize, body.begin());
    DecodeBody(body, layout);
    return Success();
}

Status LoadKbdFile(const std::string& path, KeyboardLayout& layout) {
    // O_NONBLOCK keeps open() from waiting for a writer when the path is a FIFO.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd.valid()) {
        return Error{ErrorKind::CannotOpen, path, std::strerror(errno)};
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return Error{ErrorKind::CannotOpen, path, std::strerror(errno)};
    }
    if (!S_ISREG(st.st_mode)) {
        return Error{ErrorKind::NotRegularFile, path, {}};
    }

    KbdImage image{};
    std::size_t have = 0;
    while (have < image.size()) {
        const ssize_t got = ::read(fd.get(), image.data() + have, image.size() - have);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Error{ErrorKind::ReadFailed, path, std::strerror(errno)};
        }
        if (got == 0) {
            break;
        }
        have += static_cast<std::size_t>(got);
    }

    Status decoded = DecodeKbdImage(std::span(image).first(have), layout);
    if (!decoded.ok()) {
        return Error{decoded.error().kind, path, {}};
    }
    return decoded;
}

} // namespace kbd
