// Replacing a file's contents so that a failure at any step leaves the old file whole.
#pragma once

#include "result.h"

#include <cstdint>
#include <span>
#include <string>

namespace kbd {

// Writes `data` to a new file beside the target, flushes it to disk and renames it
// over the target. Symbolic links at `path` are followed, so the link stays and the
// file it names gets the contents; but a loop, or another user's link in a sticky folder
// that anyone may write to (which the kernel would not follow either), is refused. An existing
// target keeps its permission bits (and, where allowed, its owner); a new one gets 0666 less the
// umask. No temporary file is left behind on failure.
Status ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> data);

} // namespace kbd
