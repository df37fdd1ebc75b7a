// Whole-file text input and output for the JSON side of kbdtool.
#pragma once

#include "files/result.h"

#include <string>

namespace cli {

// Reads the whole regular file at `path`. A FIFO or a folder is refused rather than
// waited on or misread.
kbd::Result<std::string> ReadTextFile(const std::string& path);

// Replaces the file at `path` with `text` the way the editor saves: a failure leaves
// the previous file whole and no partial file behind.
kbd::Status WriteTextFile(const std::string& path, const std::string& text);

} // namespace cli
