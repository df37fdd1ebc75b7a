// Arbitrary layouts, seven arrays of 49 bytes taken from the input (short inputs are
// padded with the defaults), then the Shift+AltGr characters, the dead layers (49 bytes
// each) and compositions (three bytes each) from what is left: encoding then decoding
// must give what the format's rules predict, duplicates, missing codes and blank AltGr
// characters included.
#include "layout/dead_keys.h"
#include "layout/reader.h"
#include "layout/writer.h"
#include "predict.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kbd;
    KeyboardLayout layout = DefaultLayout();
    for (KeyBytes* field : {&layout.ScanCode, &layout.VirtualKey, &layout.NormalChar,
                            &layout.ShiftChar, &layout.AltGrChar, &layout.AnsiChar,
                            &layout.CapsAffected, &layout.ShiftAltGrChar, &layout.DeadLayers}) {
        const std::size_t take = std::min(size, field->size());
        std::copy_n(data, take, field->begin());
        data += take;
        size -= take;
    }
    for (std::uint8_t& layers : layout.DeadLayers) {
        layers &= 0x0F;
    }
    for (; size >= 3; data += 3, size -= 3) {
        SetComposition(layout, {data[0], data[1], data[2]});
    }

    KeyboardLayout read = DefaultLayout();
    read.ScanCode.fill(0x5A);
    const KeyBytes scanCodes = read.ScanCode;
    const std::vector<std::uint8_t> image = BuildKbdFile(layout);
    // The writer is a function of the layout alone.
    if (!DecodeKbdImage(image, read).ok() || !(read == fuzz::PredictReload(layout, scanCodes)) ||
        BuildKbdFile(layout) != image) {
        std::abort();
    }
    return 0;
}
