#include "image_format.h"

#include "files/regular_file.h"
#include "le_bytes.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <sys/stat.h>

namespace kbd::diskimage {
namespace {

bool StartsWith(std::span<const std::uint8_t> bytes, std::string_view magic, std::size_t at = 0) {
    return bytes.size() >= at + magic.size() &&
           std::equal(magic.begin(), magic.end(), bytes.begin() + static_cast<long>(at),
                      [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

Error Convert(const std::string& path, std::string_view format) {
    return Refusal(path + ": a " + std::string(format) +
                   " image, which mtools cannot write into; convert it to a raw image "
                   "first: qemu-img convert -O raw IN OUT.img");
}

// The VHD footer's disk type (big-endian at 60): 2 fixed, 3 dynamic, 4 differencing.
constexpr std::size_t kVhdTypeAt = 60;
constexpr std::uint32_t kVhdFixed = 2;

} // namespace

Result<ImageFormat> DetectImageFormat(std::span<const std::uint8_t> head,
                                      std::span<const std::uint8_t> tail, std::uint64_t fileBytes,
                                      const std::string& path) {
    if (StartsWith(head, "QFI\xfb")) {
        return Convert(path, "QEMU qcow2");
    }
    // VDI files begin with a text line; the signature proper sits at 64.
    if (StartsWith(head, "\x7f\x10\xda\xbe", 64)) {
        return Convert(path, "VirtualBox VDI");
    }
    if (StartsWith(head, "KDMV") || StartsWith(head, "# Disk DescriptorFile")) {
        return Convert(path, "VMware VMDK");
    }
    // A dynamic VHD keeps a copy of its footer at the start.
    if (StartsWith(head, "conectix")) {
        return Convert(path, "dynamic VHD");
    }
    if (fileBytes < kSectorSize) {
        return Refusal(path + ": " + std::to_string(fileBytes) +
                       " bytes, shorter than one sector of a disk");
    }
    if (tail.size() == kSectorSize && StartsWith(tail, "conectix")) {
        if (U32BeAt(tail, kVhdTypeAt) != kVhdFixed) {
            return Convert(path, "dynamic or differencing VHD");
        }
        return ImageFormat{ImageKind::FixedVhd, fileBytes - kSectorSize};
    }
    return ImageFormat{ImageKind::Raw, fileBytes};
}

Result<ImageFormat> ReadImageFormat(const std::string& path) {
    UniqueFd fd;
    const Status opened = OpenRegularFile(path, fd);
    if (!opened.ok()) {
        return opened.error();
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return Refusal(path + ": cannot read its size (" + std::strerror(errno) + ")");
    }
    const auto size = static_cast<std::uint64_t>(info.st_size);
    std::array<std::uint8_t, kSectorSize> head{}, tail{};
    const ssize_t gotHead = ::pread(fd.get(), head.data(), head.size(), 0);
    ssize_t gotTail = 0;
    if (size >= kSectorSize) {
        gotTail =
            ::pread(fd.get(), tail.data(), tail.size(), static_cast<off_t>(size - kSectorSize));
    }
    if (gotHead < 0 || gotTail < 0) {
        return Refusal(path + ": cannot read it (" + std::strerror(errno) + ")");
    }
    return DetectImageFormat(std::span(head).first(static_cast<std::size_t>(gotHead)),
                             std::span(tail).first(static_cast<std::size_t>(gotTail)), size, path);
}

} // namespace kbd::diskimage
