// Arbitrary bytes as an MSKLC source. A refusal must name a reason in a bounded message
// that a terminal cannot be driven by; an accepted source must put at most one row on each
// of the 49 keys and report whatever it leaves out, never read past its input.
#include "formats/klc_source.h"

#include "formats/klc_import.h"
#include "readable.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const auto source = formats::ParseKlc(bytes);
    if (!source.ok()) {
        if (!kbd::fuzz::Readable(source.error().message(), 4096)) {
            std::abort();
        }
        return 0;
    }
    const formats::Imported imported =
        formats::KlcLayout(source.value(), kbd::CodePage::LoadOrLatin1(1252));
    for (const kbd::NotCarried& item : imported.notCarried) {
        if (item.key < 0 || item.key > 49) {
            std::abort();
        }
    }
    return 0;
}
