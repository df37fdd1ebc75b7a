// 8.3 names inside a FAT volume, checked before they reach mtools: a name that passes can
// be neither an option nor a drive letter nor a wildcard, and stays one path component.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kbd::diskimage {

// True for NAME or NAME.EXT with 1..8 and 0..3 characters, upper-case letters, digits and
// _ - ! # $ % & ' ( ) @ ^ ` { } ~.
bool IsDosName(std::string_view name);

// `name` in upper case when that is a DOS name, else nothing.
std::optional<std::string> DosNameOf(std::string_view name);

// "NAME" with ".EXT" swapped for `extension` (no dot): "KBDYU.KBD", "ORI" -> "KBDYU.ORI".
std::string WithExtension(std::string_view name, std::string_view extension);

// The mtools path of a file or folder of the volume: "::/WINDOWS/SYSTEM/KBDYU.KBD"; the
// parts are DOS names.
std::string VolumePath(const std::vector<std::string>& parts);

} // namespace kbd::diskimage
