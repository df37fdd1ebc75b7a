// Arbitrary layouts, seven arrays of 49 bytes taken from the input (short inputs are
// padded with the defaults): encoding then decoding must give what the format's rules
// predict, duplicates, missing codes and blank AltGr characters included.
#include "layout/reader.h"
#include "layout/writer.h"
#include "predict.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kbd;
    KeyboardLayout layout = DefaultLayout();
    for (KeyBytes* field :
         {&layout.ScanCode, &layout.VirtualKey, &layout.NormalChar, &layout.ShiftChar,
          &layout.AltGrChar, &layout.AnsiChar, &layout.CapsAffected}) {
        const std::size_t take = std::min(size, field->size());
        std::copy_n(data, take, field->begin());
        data += take;
        size -= take;
    }

    KeyboardLayout read = DefaultLayout();
    read.ScanCode.fill(0x5A);
    const KeyBytes scanCodes = read.ScanCode;
    const KbdImage image = BuildKbdImage(layout);
    // The writer is a function of the layout alone.
    if (!DecodeKbdImage(image, read).ok() || !(read == fuzz::PredictReload(layout, scanCodes)) ||
        BuildKbdImage(layout) != image) {
        std::abort();
    }
    return 0;
}
