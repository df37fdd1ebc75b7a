// What a disk image holds for us, found without writing a byte: its format, its FAT
// volumes, and on each the Windows folders with their keyboard layout files.
#pragma once

#include "files/result.h"
#include "image_format.h"
#include "partition_table.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kbd::diskimage {

struct LayoutFile {
    std::string name;                // "KBDYU.KBD"
    std::vector<std::uint8_t> bytes; // as it lies in SYSTEM
};

// A root folder holding WIN.COM and SYSTEM\KEYBOARD.DRV.
struct WindowsFolder {
    Volume volume;
    std::string folder;              // "WINDOWS"
    std::vector<LayoutFile> layouts; // SYSTEM\KBD*.KBD, by name
};

struct Survey {
    std::string image; // the absolute path, links resolved
    ImageFormat format;
    std::vector<Volume> volumes;
    std::vector<WindowsFolder> windows;
};

// Reads everything through mtools and a read-only descriptor; nothing in the image
// changes. An image without any Windows folder is not refused here: the list is empty.
Result<Survey> SurveyImage(const std::string& path);

// The one Windows folder to install into: the one on partition `partition` (the
// volume's number), or the only one when `partition` is -1.
Result<WindowsFolder> ChooseWindows(const Survey& survey, int partition);

} // namespace kbd::diskimage
