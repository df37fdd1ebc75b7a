// What a layout file types on the first letter row, read the way the Windows 95 driver
// reads it, so that a user can tell which of SYSTEM's KBD files is the installed layout.
#pragma once

#include "codepage/code_page.h"

#include <cstdint>
#include <span>
#include <string>

namespace kbd::diskimage {

// The Norm characters of the twelve keys with scan codes 0x10..0x1B, one space between
// them ("q w e r t z u i o p š đ"), in the code page the file's language word names, else
// in `fallback`; a dead key shows its accent, a key that types nothing "·". A file the
// driver would not load gives "(not loaded: REASON)".
std::string FirstRowPreview(std::span<const std::uint8_t> kbd, const CodePage& fallback);

} // namespace kbd::diskimage
