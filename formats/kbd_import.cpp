#include "kbd_import.h"

#include "codepage/language_code_page.h"
#include "driver/kbd_driver.h"
#include "driver/to_ascii.h"
#include "layout/key_places.h"
#include "layout/reader.h"

#include <utility>

namespace formats {

bool LooksLikeWindowsKbd(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 2 && bytes[0] == 'D' && bytes[1] == 'S';
}

std::optional<int> WindowsKbdCodePage(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 4) {
        return std::nullopt;
    }
    return kbd::CodePageOfLanguage(static_cast<std::uint16_t>(bytes[2] | bytes[3] << 8));
}

namespace {

namespace driver = kbd::driver;

// The layer a 49-key layout keeps of each press the driver types on its own tables.
struct CarriedLayer {
    int layer;
    driver::Modifiers held;
};
constexpr CarriedLayer kCarried[] = {{kbd::LayerNorm, driver::kNorm},
                                     {kbd::LayerShift, driver::kShift},
                                     {kbd::LayerAltGr, driver::kAltGr},
                                     {kbd::LayerShiftAltGr, driver::kShiftAltGr}};

std::uint8_t AnsiOfScanCode(const driver::LoadedKeyboard& keyboard, std::uint8_t scanCode,
                            std::uint8_t fallback) {
    const driver::DataHeader& h = keyboard.header();
    for (std::size_t i = 0; i < h.SCAN_SIZE; ++i) {
        if (keyboard.byte(h.SCANTOIDX + i) == scanCode) {
            return keyboard.byte(h.VKEYTOANSI + i);
        }
    }
    return fallback;
}

// Each key by its scan code gets what the driver types with the file: the characters of
// its layout tables, its Caps Lock bit and its ANSI character.
Imported FromDriverModel(const driver::LoadedKeyboard& keyboard) {
    Imported imported{ImportKind::WindowsKbd, kbd::DefaultLayout(), {}};
    kbd::KeyboardLayout& layout = imported.layout;
    for (int key = 0; key < kbd::kKeyCount; ++key) {
        const std::uint8_t scanCode = driver::ScanCodeOfKey(key);
        const std::uint8_t virtualKey = driver::VirtualKeyOfScanCode(keyboard, scanCode);
        layout.ScanCode[key] = scanCode;
        layout.VirtualKey[key] = virtualKey;
        layout.AnsiChar[key] = AnsiOfScanCode(keyboard, scanCode, layout.AnsiChar[key]);
        layout.CapsAffected[key] = driver::CapsLockActsOn(keyboard, virtualKey) ? 1 : 0;
        for (const CarriedLayer& carried : kCarried) {
            driver::Keyboard typing(keyboard);
            const driver::Typed typed = typing.pressKey(key, carried.held);
            std::uint8_t byte = carried.layer == kbd::LayerAltGr ? kbd::kNoAltGr : 0;
            if (typed.source == driver::Source::Layout && typed.bytes.size() == 1) {
                byte = typed.bytes.front();
            } else if (typed.source == driver::Source::DeadKey ||
                       typed.source == driver::Source::Ligature) {
                const bool dead = typed.source == driver::Source::DeadKey;
                if (dead && !typed.bytes.empty()) {
                    byte = typed.bytes.front();
                }
                imported.notCarried.push_back(
                    {key + 1,
                     carried.layer,
                     dead ? kbd::NotCarriedWhy::DeadKey : kbd::NotCarriedWhy::Ligature,
                     dead ? static_cast<char32_t>(byte) : 0,
                     {},
                     byte});
            }
            kbd::SetLayerChar(layout, carried.layer, key, byte);
        }
    }
    return imported;
}

} // namespace

kbd::Result<Imported> WindowsKbdLayout(std::span<const std::uint8_t> bytes, const kbd::CodePage&) {
    Imported imported{ImportKind::WindowsKbd, kbd::DefaultLayout(), {}};
    // Our own files keep every rule of our reader, extended tables included.
    if (kbd::HasKbdSignature(bytes)) {
        const kbd::Status decoded = kbd::DecodeKbdImage(bytes, imported.layout);
        if (!decoded.ok()) {
            return decoded.error();
        }
        return imported;
    }
    auto loaded = driver::LoadKeyboard(bytes);
    if (!loaded.ok()) {
        return loaded.error();
    }
    return FromDriverModel(loaded.value());
}

} // namespace formats
