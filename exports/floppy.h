// A 1.44 MB FAT12 floppy image that carries the layout into an emulated Windows 95 (86Box,
// PCem, QEMU, VirtualBox), where a floppy is the simplest way in without a network.
#pragma once

#include "export_names.h"
#include "layout/keyboard_layout.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace kbd::exports {

inline constexpr std::size_t kFloppyImageSize = 1'474'560;

// Writes an image holding the layout's KBD file as FloppyKbdName(name) and a README.TXT
// with the installation steps, whole or not at all. The image is made by mtools (mformat,
// mcopy) in a scratch folder beside `path`; a tool that is missing or fails is named in
// the failure with its exit status and what it said.
Status MakeInstallFloppy(const KeyboardLayout& layout, std::string_view name,
                         const std::string& path);

} // namespace kbd::exports
