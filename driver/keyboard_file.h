// The bytes of a keyboard file from disk, whatever made it, for LoadKeyboard.
#pragma once

#include "files/result.h"
#include "kbd_driver.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kbd::driver {

// Larger than any keyboard file: the data block is at most 64 KiB.
inline constexpr std::size_t kMaxKeyboardFileSize = 1 << 20;

// The whole file at `path`, a regular file of at most kMaxKeyboardFileSize bytes.
Result<std::vector<std::uint8_t>> ReadKeyboardFile(const std::string& path);

// LoadKeyboard of that file, the refusal naming the path.
Result<LoadedKeyboard> LoadKeyboardFile(const std::string& path);

} // namespace kbd::driver
