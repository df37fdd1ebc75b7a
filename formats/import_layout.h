// Bringing a layout in from any keyboard file: the editor's File, Import and every
// kbdtool command that reads a layout come through here, so they read each kind alike.
#pragma once

#include "codepage/code_page.h"
#include "files/result.h"
#include "imported.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace formats {

// Files larger than this are no keyboard file and are refused before they are read whole.
inline constexpr std::size_t kMaxImportSize = 1 << 20;

// What a file is, and the code page it says it was made for (a .klc's LOCALEID, a KBD
// file's language word), before the question which code page to read it in.
struct ImportProbe {
    ImportKind kind;
    std::optional<int> codePage;
};

// "a Windows keyboard file", "an MSKLC source", "an XKB symbols file", "a JSON layout".
std::string_view ImportKindName(ImportKind kind);

// The kind of the file at `path` (which may end in "(variant)" for an XKB symbols file)
// and its code page; refuses what ImportLayout would refuse for its kind or reading.
kbd::Result<ImportProbe> ProbeImport(const std::string& path);

// Reads the file at `path`, sniffs its kind from its bytes, not its name:
//  - "DS" first: a Windows keyboard file;
//  - the UTF-16LE mark FF FE, or UTF-8, whose first keyword is KBD: an MSKLC source;
//  - "{" first: a JSON layout;
//  - text that holds "xkb_symbols": an XKB symbols file; "path(variant)" picks a section
//    when no file has the whole name.
// Characters of .klc and XKB files become bytes of `codePage`; KBD and JSON layouts are
// bytes already, and the not-carried lines read them in it. Anything else is refused
// (NotAKeyboardFile, with the kinds that are read); a refusal names the file. An XKB
// file's dead accents are dead keys, or with `xkbDeadKeys` false plain characters.
kbd::Result<Imported> ImportLayout(const std::string& path, const kbd::CodePage& codePage,
                                   bool xkbDeadKeys = true);

// The same for bytes already read; `fileName` is the file's name without folders (an
// XKB file's sections include one another by it).
kbd::Result<Imported> ImportLayoutBytes(std::span<const std::uint8_t> bytes,
                                        std::string_view fileName, std::string_view variant,
                                        const kbd::CodePage& codePage, bool xkbDeadKeys = true);

} // namespace formats
