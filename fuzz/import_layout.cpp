// Arbitrary bytes as a keyboard file of any kind, as File, Import and kbdtool read them:
// the sniffing, then whichever reader the bytes lead to (a Windows keyboard file through
// the driver's reading, an MSKLC source, JSON, an XKB symbols file compiled by
// libxkbcommon). A refusal must be a bounded, terminal-safe sentence; an accepted layout
// must name only keys that exist and must survive being saved and read back.
#include "formats/import_layout.h"

#include "layout/reader.h"
#include "layout/writer.h"
#include "readable.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kbd::CodePage page = kbd::CodePage::LoadOrLatin1(1250);
    const auto imported =
        formats::ImportLayoutBytes(std::span<const std::uint8_t>(data, size), "in", "", page);
    if (!imported.ok()) {
        if (!kbd::fuzz::Readable(imported.error().message(), 4096)) {
            std::abort();
        }
        return 0;
    }
    for (const kbd::NotCarried& item : imported.value().notCarried) {
        if (item.key < 0 || item.key > kbd::kKeyCount) {
            std::abort();
        }
    }
    const auto image = kbd::BuildKbdFile(imported.value().layout);
    kbd::KeyboardLayout read;
    if (!kbd::DecodeKbdImage(image, read).ok()) {
        std::abort();
    }
    return 0;
}
