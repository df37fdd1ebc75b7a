// Which kind of disk image a file is, told by its magic numbers: only those whose sectors
// lie in the file as they lie on the disk can be handed to mtools.
#pragma once

#include "files/result.h"

#include <cstdint>
#include <span>
#include <string>

namespace kbd::diskimage {

inline constexpr std::size_t kSectorSize = 512;

enum class ImageKind {
    Raw,      // the disk's sectors, nothing else (86Box, PCem, QEMU, Bochs, DOSBox-X)
    FixedVhd, // the same followed by a 512-byte "conectix" footer (86Box, VirtualBox)
};

struct ImageFormat {
    ImageKind kind = ImageKind::Raw;
    std::uint64_t diskBytes = 0; // where the disk's sectors end in the file
};

// `head` is the file's first sector, `tail` its last (either shorter in a short file).
// A qcow2, VDI, VMDK or dynamic VHD is refused with the qemu-img command that converts it.
Result<ImageFormat> DetectImageFormat(std::span<const std::uint8_t> head,
                                      std::span<const std::uint8_t> tail, std::uint64_t fileBytes,
                                      const std::string& path);

// The same, read from the file at `path`.
Result<ImageFormat> ReadImageFormat(const std::string& path);

} // namespace kbd::diskimage
