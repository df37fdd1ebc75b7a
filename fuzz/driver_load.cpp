// Arbitrary bytes as a keyboard file for the driver model: loading must refuse or accept
// without reading outside the bytes, and an accepted file must type every scan code in
// every state and answer VkKeyScan for every byte without leaving its data block.
#include "driver/to_ascii.h"
#include "driver/vk_key_scan.h"

#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kbd::driver;
    const auto loaded = LoadKeyboard(std::span<const std::uint8_t>(data, size));
    if (!loaded.ok()) {
        if (loaded.error().reason.empty()) {
            std::abort();
        }
        return 0;
    }
    const LoadedKeyboard& layout = loaded.value();
    const int tables = static_cast<int>(layout.tables().size());
    if (tables != layout.header().nStates + 1) {
        std::abort();
    }
    Keyboard keyboard(layout);
    for (int caps = 0; caps < 2; ++caps) {
        keyboard.setCapsLock(caps != 0);
        for (int held = 0; held < 16; ++held) {
            const Modifiers modifiers{(held & 1) != 0, (held & 2) != 0, (held & 4) != 0,
                                      (held & 8) != 0};
            for (int scan = 0; scan < 256; ++scan) {
                const Typed typed =
                    keyboard.pressScanCode(static_cast<std::uint8_t>(scan), modifiers);
                // One byte, two for a dead key without a pair, or a ligature's count + 1.
                if (typed.bytes.size() > 256 || typed.table >= tables ||
                    (typed.source == Source::Nothing && !typed.bytes.empty())) {
                    std::abort();
                }
                (void)DescribeSource(layout, typed);
            }
        }
    }
    for (int character = 0; character < 256; ++character) {
        const KeyScan scan = VkKeyScan(layout, static_cast<std::uint8_t>(character));
        if (scan.table >= tables) {
            std::abort();
        }
    }
    return 0;
}
