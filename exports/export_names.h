// Names the exports give keys, layouts and files, and the writing of an export's file.
#pragma once

#include "files/result.h"
#include "layout/keyboard_layout.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kbd::exports {

// The file name without folders and without its last extension: "qz" for "/a/qz.xkb".
std::string FileStem(std::string_view path);

// The KBD short name of a .klc file: the letters and digits of `name`, upper case, at
// most 8; "LAYOUT" when `name` has none.
std::string KlcShortName(std::string_view name);

// The 8.3 file name of the layout on the install floppy: the letters, digits, '_' and '-'
// of `name`, upper case, at most 8, then ".KBD"; "LAYOUT.KBD" when `name` has none.
std::string FloppyKbdName(std::string_view name);

// The floppy's name for a layout called `name` (--name, or the image's stem, in the
// editor as in kbdtool), with a line for the user when it is not `name` in upper case.
struct FloppyName {
    std::string file; // FloppyKbdName(name)
    std::string note; // "the layout is KBDXX.KBD on the floppy: ...", or empty
};

// Refuses, naming `image`, a name that DOS takes for a device (CON, PRN, AUX, NUL,
// COM1..COM9, LPT1..LPT9) whatever the extension: a copy of CON.KBD reads the console.
Result<FloppyName> ChooseFloppyName(std::string_view name, const std::string& image);

// Writes `bytes` through the safe replace; the failure names the path and the reason.
Status WriteWhole(const std::string& path, std::span<const std::uint8_t> bytes);
Status WriteWhole(const std::string& path, std::string_view text);

} // namespace kbd::exports
