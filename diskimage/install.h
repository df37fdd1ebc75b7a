// Putting a KBD file into the Windows of a disk image in one step that either happens
// whole or not at all: everything is found out read-only first, the writing happens in a
// copy of the image, the copy is read back and checked, and only then renamed over it.
#pragma once

#include "files/result.h"
#include "image_copy.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kbd::diskimage {

enum class InstallWay {
    Replace, // in place of one of SYSTEM's KBD files, the original kept once as NAME.ORI
    Add,     // as SYSTEM\NAME.KBD, with NAME.REG in the Windows folder to register it
};

struct InstallRequest {
    std::string image;
    int partition = -1; // the volume's number; -1 when the image has one Windows
    InstallWay way = InstallWay::Replace;
    std::string name;              // Replace: the file to replace ("KBDYU.KBD"); Add: the 8.3 stem
    std::string text;              // Add: the "layout text"; the name when empty
    std::vector<std::uint8_t> kbd; // the layout file's bytes
};

struct InstallReport {
    std::string done; // what was written where, one sentence
    std::string back; // how to undo it, one sentence
};

Result<InstallReport> InstallLayout(const InstallRequest& request, const CopyProgress& progress);

} // namespace kbd::diskimage
