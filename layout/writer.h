// Encodes a layout as a 688-byte KBD image and saves it without ever destroying
// the previous file.
#pragma once

#include "files/result.h"
#include "kbd_format.h"
#include "keyboard_layout.h"

#include <string>

namespace kbd {

// Header followed by body, as the file holds them.
KbdImage BuildKbdImage(const KeyboardLayout& layout);

// Writes the image to a new file in the target's folder, flushes it, and renames it
// over the target. A symbolic link at `path` keeps pointing where it did; an existing
// file keeps its permission bits. On failure the previous file is untouched.
Status SaveKbdFile(const KeyboardLayout& layout, const std::string& path);

} // namespace kbd
