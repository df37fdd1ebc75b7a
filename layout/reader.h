// Decodes a KBD file that this editor wrote back into a layout.
#pragma once

#include "files/result.h"
#include "kbd_format.h"
#include "keyboard_layout.h"

#include <cstdint>
#include <span>
#include <string>

namespace kbd {

// True when "Tavik" stands at header offsets 35..39 or 33..37.
bool HasKbdSignature(std::span<const std::uint8_t> header);

// Decodes a whole image (at least 688 bytes) into `layout`. Only the signature is
// checked. The first 688 bytes give the seven arrays; the Shift+AltGr layer and the dead
// keys come from the tables an extended file appends when its kbdSize announces them and
// every count and offset of them lies inside the bytes given, and are none otherwise.
// ScanCode keeps its values. On refusal the layout is unchanged.
Status DecodeKbdImage(std::span<const std::uint8_t> bytes, KeyboardLayout& layout);

// The largest file an extended layout can make: the header and a body of 65535 bytes.
inline constexpr std::size_t kMaxFileSize = kHeaderSize + 0xFFFF;

// Reads at most the first kMaxFileSize bytes of the file at `path` and decodes them.
// Refuses a path that is not a regular file (without blocking on it) and a file
// shorter than 688 bytes. On refusal the layout is unchanged.
Status LoadKbdFile(const std::string& path, KeyboardLayout& layout);

} // namespace kbd
