// Arbitrary bytes as a file's contents: the decoder must never crash or read out of
// bounds, must refuse exactly what lacks 688 bytes or the signature and then leave the
// layout alone, and whatever it accepts must survive a save and load as predicted.
#include "layout/reader.h"
#include "layout/writer.h"
#include "predict.h"

#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kbd;
    const std::span<const std::uint8_t> bytes(data, size);
    const KeyboardLayout before = DefaultLayout();
    KeyboardLayout layout = before;

    const Status status = DecodeKbdImage(bytes, layout);
    const bool acceptable = size >= kImageSize && HasKbdSignature(bytes.first(kHeaderSize));
    if (status.ok() != acceptable) {
        std::abort();
    }
    if (!status.ok()) {
        if (!(layout == before)) {
            std::abort();
        }
        return 0;
    }
    if (layout.ScanCode != before.ScanCode) {
        std::abort();
    }
    for (std::size_t i = 0; i < kKeyCount; ++i) {
        if (layout.CapsAffected[i] > 1) {
            std::abort();
        }
    }

    KeyboardLayout again = before;
    if (!DecodeKbdImage(BuildKbdImage(layout), again).ok() ||
        !(again == fuzz::PredictReload(layout, before.ScanCode))) {
        std::abort();
    }
    return 0;
}
