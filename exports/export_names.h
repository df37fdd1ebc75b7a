// Names the exports give keys, layouts and files, and the way an export ends: written in
// full, or a reason that names the file.
#pragma once

#include "layout/keyboard_layout.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kbd::exports {

// What an export reports: nothing when the file was written whole, else one sentence
// that names the file and the reason, for a message box or standard error.
using ExportFailure = std::optional<std::string>;

// The XKB name of each key, by key index. The names follow the scan codes of the
// built-in layout (an XKB evdev key code is the scan code + 8); a KBD file never carries
// scan codes back, so a key's place is its index, as in the editor.
inline constexpr std::array<std::string_view, kKeyCount> kXkbKeyNames{{
    "TLDE", "AE01", "AE02", "AE03", "AE04", "AE05", "AE06", "AE07", "AE08", "AE09",
    "AE10", "AE11", "AE12", "AD01", "AD02", "AD03", "AD04", "AD05", "AD06", "AD07",
    "AD08", "AD09", "AD10", "AD11", "AD12", "BKSL", "AC01", "AC02", "AC03", "AC04",
    "AC05", "AC06", "AC07", "AC08", "AC09", "AC10", "AC11", "AB01", "AB02", "AB03",
    "AB04", "AB05", "AB06", "AB07", "AB08", "AB09", "AB10", "LSGT", "KPDL",
}};

// The key index of the numeric-pad decimal key, which both exports treat apart.
inline constexpr int kDecimalKey = kKeyCount - 1;

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
std::optional<FloppyName> ChooseFloppyName(std::string_view name, const std::string& image,
                                           std::string& refusal);

// Writes `bytes` through the safe replace; the failure names the path and the reason.
ExportFailure WriteWhole(const std::string& path, std::span<const std::uint8_t> bytes);
ExportFailure WriteWhole(const std::string& path, std::string_view text);

} // namespace kbd::exports
