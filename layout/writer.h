// Encodes a layout as a 688-byte KBD image and saves it without ever destroying
// the previous file.
#pragma once

#include "files/result.h"
#include "kbd_format.h"
#include "keyboard_layout.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kbd {

// Header followed by body, as the file holds them: the 688 bytes every file starts with.
KbdImage BuildKbdImage(const KeyboardLayout& layout);

// The whole file: the image alone for a layout without a Shift+AltGr character or a dead
// key, else the image with the Ctrl+Alt+Shift, dead-key and composition tables appended
// and announced in its header and body words.
std::vector<std::uint8_t> BuildKbdFile(const KeyboardLayout& layout);

// Writes the whole file to a new file in the target's folder, flushes it, and renames it
// over the target. A symbolic link at `path` keeps pointing where it did; an existing
// file keeps its permission bits. On failure the previous file is untouched.
Status SaveKbdFile(const KeyboardLayout& layout, const std::string& path);

} // namespace kbd
