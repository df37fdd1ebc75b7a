// The layout a kbdtool command works on, from any keyboard file the editor's File, Import
// reads (a KBD file, an MSKLC source, an XKB symbols file, a JSON layout) or, by a .json
// extension in any case, from kbdtool's JSON: a layout can be checked and exported before
// it is ever saved.
#pragma once

#include "codepage/code_page.h"
#include "files/result.h"
#include "formats/imported.h"
#include "layout/keyboard_layout.h"

#include <optional>
#include <string>

namespace cli {

bool IsJsonPath(const std::string& path);

// Reads the layout at `path`, characters of .klc and XKB files as bytes of `codePage`;
// says why not on standard error, and prints there one line for each thing the layout
// does not carry.
std::optional<formats::Imported> ReadImport(const std::string& path, const kbd::CodePage& codePage);

inline std::optional<kbd::KeyboardLayout> ReadLayout(const std::string& path,
                                                     const kbd::CodePage& codePage) {
    auto imported = ReadImport(path, codePage);
    return imported ? std::optional(imported->layout) : std::nullopt;
}

} // namespace cli
