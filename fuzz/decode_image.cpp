// Arbitrary bytes as a file's contents: the decoder must never crash or read out of
// bounds, must refuse exactly what lacks 688 bytes or the signature and then leave the
// layout alone, and whatever it accepts must survive a save and load as predicted.
#include "layout/reader.h"
#include "layout/writer.h"
#include "predict.h"

#include <algorithm>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kbd;
    const std::span<const std::uint8_t> bytes(data, size);
    const KeyboardLayout before = DefaultLayout();
    KeyboardLayout layout = before;

    const bool accepted = DecodeKbdImage(bytes, layout).ok();
    if (accepted != (size >= kImageSize && HasKbdSignature(bytes.first(kHeaderSize))) ||
        (!accepted && !(layout == before))) {
        std::abort();
    }
    if (!accepted) {
        return 0;
    }
    KeyboardLayout again = before;
    if (layout.ScanCode != before.ScanCode ||
        std::any_of(layout.CapsAffected.begin(), layout.CapsAffected.end(),
                    [](std::uint8_t flag) { return flag > 1; }) ||
        !DecodeKbdImage(BuildKbdFile(layout), again).ok() ||
        !(again == fuzz::PredictReload(layout, before.ScanCode))) {
        std::abort();
    }
    return 0;
}
