// Whole-file text input and output for the JSON side of kbdtool.
#pragma once

#include "files/result.h"

#include <cstddef>
#include <string>

namespace cli {

// Reads the regular file at `path`, whole or, when it is longer than `limit` bytes, its
// first limit + 1 bytes: enough for the reader to refuse it without holding all of it. A
// FIFO or a folder is refused rather than waited on or misread.
kbd::Result<std::string> ReadTextFile(const std::string& path, std::size_t limit);

// Replaces the file at `path` with `text` the way the editor saves: a failure leaves
// the previous file whole and no partial file behind.
kbd::Status WriteTextFile(const std::string& path, const std::string& text);

} // namespace cli
