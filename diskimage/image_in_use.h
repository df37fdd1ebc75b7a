// Whether an emulator may be running on a disk image: writing to the disk of a running
// machine corrupts it past repair, since the guest caches what it read.
#pragma once

#include <optional>
#include <string>

namespace kbd::diskimage {

// A sentence naming the process that has the image open (any descriptor in /proc/*/fd
// other than ours), or saying that another program holds a lock on it (F_OFD_GETLK, as
// QEMU locks its images); nothing when the image is free.
std::optional<std::string> ImageInUse(const std::string& image);

} // namespace kbd::diskimage
