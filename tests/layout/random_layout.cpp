#include "random_layout.h"

#include "../../fuzz/predict.h"

#include <algorithm>
#include <numeric>

namespace kbd::testing {

KeyboardLayout RandomLayout(std::mt19937& random) {
    std::uniform_int_distribution<int> byte(0, 255);
    KeyboardLayout layout = DefaultLayout();
    std::array<int, 256> codes{};
    std::iota(codes.begin(), codes.end(), 0);
    std::shuffle(codes.begin(), codes.end(), random);
    for (int i = 0; i < kKeyCount; ++i) {
        layout.VirtualKey[i] = static_cast<std::uint8_t>(codes[i]);
        layout.NormalChar[i] = static_cast<std::uint8_t>(byte(random));
        layout.ShiftChar[i] = static_cast<std::uint8_t>(byte(random));
        layout.AltGrChar[i] = static_cast<std::uint8_t>(byte(random));
        layout.AnsiChar[i] = static_cast<std::uint8_t>(byte(random));
        layout.CapsAffected[i] = static_cast<std::uint8_t>(byte(random) % 3);
    }
    return layout;
}

KeyboardLayout ExpectedAfterRoundTrip(const KeyboardLayout& layout) {
    return fuzz::PredictReload(layout, layout.ScanCode);
}

} // namespace kbd::testing
