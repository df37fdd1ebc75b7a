// Reading from a path that must name a regular file, without ever blocking on a FIFO
// or a device that happens to sit there.
#pragma once

#include "result.h"
#include "unique_fd.h"

#include <cstdint>
#include <span>
#include <string>

namespace kbd {

// Opens `path` for reading into `fd`; refuses anything but a regular file.
Status OpenRegularFile(const std::string& path, UniqueFd& fd);

// Reads until `into` is full or the file ends; the number of bytes read.
Result<std::size_t> ReadUpTo(const UniqueFd& fd, std::span<std::uint8_t> into,
                             const std::string& path);

} // namespace kbd
