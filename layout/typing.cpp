#include "typing.h"

#include "format_rules.h"
#include "reader.h"
#include "writer.h"

namespace kbd {
namespace {

// evdev numbers the keys of the PC keyboard's first 88 set-1 make codes by those codes;
// every key of the layout lies among them.
constexpr std::uint32_t kLastSet1Code = 0x58;

std::optional<int> KeyWithScanCode(const KeyBytes& codes, int code) {
    for (int i = 0; i < kKeyCount; ++i) {
        if (codes[i] == code) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<int> KeyForNativeScanCode(const KeyboardLayout& layout, std::uint32_t native) {
    if (native <= kNativeScanOffset || native - kNativeScanOffset > kLastSet1Code) {
        return std::nullopt;
    }
    return KeyWithScanCode(layout.ScanCode, static_cast<int>(native - kNativeScanOffset));
}

Typed TypeKey(const KeyboardLayout& layout, int keyIndex, Modifiers modifiers) {
    const TypedLayer table = modifiers.altGr
                                 ? (modifiers.shift ? TypedLayer::ShiftAltGr : TypedLayer::AltGr)
                                 : (modifiers.shift ? TypedLayer::Shift : TypedLayer::Norm);
    if (keyIndex < 0 || keyIndex >= kKeyCount || layout.VirtualKey[keyIndex] == 0) {
        return {table, std::nullopt};
    }
    const int key = FirstKeys(layout)[layout.VirtualKey[keyIndex]];

    if (table == TypedLayer::AltGr) {
        return {table,
                AltGrWritten(layout, key) ? std::optional(layout.AltGrChar[key]) : std::nullopt};
    }
    if (table == TypedLayer::ShiftAltGr) {
        return {table, ShiftAltGrWritten(layout, key) ? std::optional(layout.ShiftAltGrChar[key])
                                                      : std::nullopt};
    }
    const bool shifted = modifiers.shift != (modifiers.capsLock && layout.CapsAffected[key] != 0);
    const std::uint8_t code = shifted ? layout.ShiftChar[key] : layout.NormalChar[key];
    return {shifted ? TypedLayer::Shift : TypedLayer::Norm,
            code != 0 ? std::optional<std::uint8_t>(code) : std::nullopt};
}

KeyboardLayout ReadBack(const KeyboardLayout& layout) {
    KeyboardLayout read = layout;
    // An image of our own writer always carries the signature, so this cannot refuse.
    (void)DecodeKbdImage(BuildKbdFile(layout), read);
    return read;
}

} // namespace kbd
