#include "layout/typing.h"

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

namespace kbd {
namespace {

// Native codes are evdev codes plus 8; the default layout's scan codes are evdev's too.
TEST(KeyForNativeScanCode, FindsTheKeysOfTheLayoutAndNoOther) {
    KeyboardLayout layout = DefaultLayout();
    layout.ScanCode[0] = KEY_F12;     // 0x58, the last code evdev shares with set 1
    layout.ScanCode[1] = KEY_KPENTER; // evdev 96 is set-1 E0 1C, no plain code
    for (const auto& [evdev, key] :
         {std::pair{KEY_F12, 0}, {KEY_Q, 13}, {KEY_102ND, 47}, {KEY_KPDOT, 48}}) {
        EXPECT_EQ(KeyForNativeScanCode(layout, evdev + 8), key) << "evdev " << evdev;
    }
    for (std::uint32_t native : {KEY_GRAVE + 8u, KEY_KPENTER + 8u, KEY_SPACE + 8u,
                                 KEY_CAPSLOCK + 8u, KEY_Q + 8u + 256u, 0u, 8u, 0xFFFFFFFFu}) {
        EXPECT_EQ(KeyForNativeScanCode(layout, native), std::nullopt) << "native " << native;
    }
    EXPECT_EQ(kNativeCapsLock, KEY_CAPSLOCK + 8u);
    EXPECT_EQ(kNativeRightAlt, KEY_RIGHTALT + 8u);
}

struct Press {
    const char* what;
    int key;
    Modifiers modifiers;
    TypedLayer layer;
    std::optional<std::uint8_t> byte;
};

constexpr int kKeyOne = 1, kKeyTwo = 2, kKeyE = 15, kKeyF = 29, kKeyG = 30;
constexpr Modifiers kNone{}, kShift{true, false, false}, kAltGr{false, true, false},
    kCaps{false, false, true}, kShiftCaps{true, false, true}, kAltGrCaps{false, true, true},
    kShiftAltGr{true, true, false};

void ExpectPresses(const KeyboardLayout& layout, std::initializer_list<Press> presses) {
    for (const Press& press : presses) {
        const Typed typed = TypeKey(layout, press.key, press.modifiers);
        EXPECT_EQ(typed.layer, press.layer) << press.what;
        EXPECT_EQ(typed.byte, press.byte) << press.what;
    }
}

// G shares F's code, key 2 has none, F's Caps-Lock flag is clear: read back, G's AltGr
// character and Caps-Lock flag belong to F, and G types F's characters.
TEST(TypeKey, TypesWhatTheFileLeadsTo) {
    KeyboardLayout layout = DefaultLayout();
    layout.VirtualKey[kKeyTwo] = 0;
    layout.VirtualKey[kKeyG] = layout.VirtualKey[kKeyF];
    layout.AltGrChar[kKeyG] = 0xC2;
    layout.CapsAffected[kKeyF] = 0;
    ExpectPresses(ReadBack(layout),
                  {
                      {"F", kKeyF, kNone, TypedLayer::Norm, 'f'},
                      {"Shift F", kKeyF, kShift, TypedLayer::Shift, 'F'},
                      {"Caps F", kKeyF, kCaps, TypedLayer::Shift, 'F'},
                      {"Shift Caps F", kKeyF, kShiftCaps, TypedLayer::Norm, 'f'},
                      {"AltGr F", kKeyF, kAltGr, TypedLayer::AltGr, 0xC2},
                      {"AltGr Caps F", kKeyF, kAltGrCaps, TypedLayer::AltGr, 0xC2},
                      {"Shift AltGr F", kKeyF, kShiftAltGr, TypedLayer::ShiftAltGr, {}},
                      {"Caps 1", kKeyOne, kCaps, TypedLayer::Norm, '1'},
                      {"AltGr E", kKeyE, kAltGr, TypedLayer::AltGr, {}},
                      {"G", kKeyG, kNone, TypedLayer::Norm, 'f'},
                      {"AltGr G", kKeyG, kAltGr, TypedLayer::AltGr, 0xC2},
                      {"no code", kKeyTwo, kNone, TypedLayer::Norm, {}},
                      {"index past the keys", kKeyCount, kNone, TypedLayer::Norm, {}},
                  });
    // The pad reads the layout back first, but a 32 must type nothing even without that.
    layout = DefaultLayout(); // E has AltGr 32
    layout.AltGrChar[kKeyF] = 33;
    ExpectPresses(layout, {{"AltGr E unread", kKeyE, kAltGr, TypedLayer::AltGr, {}},
                           {"AltGr 33", kKeyF, kAltGr, TypedLayer::AltGr, 33}});
}

} // namespace
} // namespace kbd
