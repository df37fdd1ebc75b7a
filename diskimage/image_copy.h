// A copy of a disk image to write into, so that the image itself is only ever replaced
// whole, by a rename.
#pragma once

#include "files/result.h"

#include <cstdint>
#include <functional>
#include <string>

namespace kbd::diskimage {

// Told how far a long copy has come; called from the copying thread.
using CopyProgress = std::function<void(std::uint64_t done, std::uint64_t total)>;

// Makes `copy` (which must not exist yet) a copy of `image`: a copy-on-write clone where
// the file system can (btrfs, XFS), which takes no time and no room; else, after checking
// that the free space holds it, a full copy in slices with `progress` between them. The
// copy has mode 0600 until it is put in place.
Status CopyImage(const std::string& image, const std::string& copy, const CopyProgress& progress);

} // namespace kbd::diskimage
