#include "layout/typing.h"

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

namespace kbd {
namespace {

// The evdev code of each of the 49 keys, in key order, as the kernel names them.
constexpr std::array<std::uint32_t, kKeyCount> kEvdevCodes = {
    KEY_GRAVE,      KEY_1,         KEY_2,     KEY_3,   KEY_4,     KEY_5,
    KEY_6,          KEY_7,         KEY_8,     KEY_9,   KEY_0,     KEY_MINUS,
    KEY_EQUAL,      KEY_Q,         KEY_W,     KEY_E,   KEY_R,     KEY_T,
    KEY_Y,          KEY_U,         KEY_I,     KEY_O,   KEY_P,     KEY_LEFTBRACE,
    KEY_RIGHTBRACE, KEY_BACKSLASH, KEY_A,     KEY_S,   KEY_D,     KEY_F,
    KEY_G,          KEY_H,         KEY_J,     KEY_K,   KEY_L,     KEY_SEMICOLON,
    KEY_APOSTROPHE, KEY_Z,         KEY_X,     KEY_C,   KEY_V,     KEY_B,
    KEY_N,          KEY_M,         KEY_COMMA, KEY_DOT, KEY_SLASH, KEY_102ND,
    KEY_KPDOT};

TEST(KeyForNativeScanCode, FindsEveryKeyOfTheDefaultLayout) {
    for (int i = 0; i < kKeyCount; ++i) {
        EXPECT_EQ(KeyForNativeScanCode(DefaultLayout(), kEvdevCodes[i] + 8), i) << "key " << i + 1;
    }
}

TEST(KeyForNativeScanCode, FindsNoKeyForTheOtherKeys) {
    for (std::uint32_t native :
         {0u, 7u, 8u, KEY_ESC + 8u, KEY_BACKSPACE + 8u, KEY_TAB + 8u, KEY_ENTER + 8u,
          KEY_SPACE + 8u, KEY_CAPSLOCK + 8u, KEY_LEFTSHIFT + 8u, KEY_RIGHTALT + 8u, KEY_KP7 + 8u,
          KEY_GRAVE + 8u + 256u, 0xFFFFFFFFu}) {
        EXPECT_EQ(KeyForNativeScanCode(DefaultLayout(), native), std::nullopt) << native;
    }
    EXPECT_EQ(kNativeCapsLock, KEY_CAPSLOCK + 8u);
    EXPECT_EQ(kNativeRightAlt, KEY_RIGHTALT + 8u);
}

TEST(KeyForNativeScanCode, FollowsTheLayoutsScanCodesAndStaysInTheSet1Range) {
    KeyboardLayout layout = DefaultLayout();
    layout.ScanCode[0] = KEY_F12;     // 0x58, the last code evdev shares with set 1
    layout.ScanCode[1] = KEY_KPENTER; // evdev 96 is set-1 E0 1C, no plain code
    EXPECT_EQ(KeyForNativeScanCode(layout, KEY_F12 + 8), 0);
    EXPECT_EQ(KeyForNativeScanCode(layout, KEY_GRAVE + 8), std::nullopt);
    EXPECT_EQ(KeyForNativeScanCode(layout, KEY_KPENTER + 8), std::nullopt);
}

struct Press {
    const char* what;
    int key;
    Modifiers modifiers;
    TypedLayer layer;
    std::optional<std::uint8_t> byte;
};

constexpr int kKeyOne = 1, kKeyE = 15, kKeyF = 29, kKeyG = 30;
constexpr Modifiers kNone{}, kShift{true, false, false}, kAltGr{false, true, false},
    kCaps{false, false, true}, kShiftCaps{true, false, true}, kAltGrCaps{false, true, true},
    kShiftAltGr{true, true, false}, kAll{true, true, true};

void ExpectPresses(const KeyboardLayout& layout, std::initializer_list<Press> presses) {
    for (const Press& press : presses) {
        const Typed typed = TypeKey(layout, press.key, press.modifiers);
        EXPECT_EQ(typed.layer, press.layer) << press.what;
        EXPECT_EQ(typed.byte, press.byte) << press.what;
    }
}

TEST(TypeKey, FollowsEveryModifierOnALetterKey) {
    ExpectPresses(ReadBack(DefaultLayout()),
                  {
                      {"F", kKeyF, kNone, TypedLayer::Norm, 'f'},
                      {"Shift F", kKeyF, kShift, TypedLayer::Shift, 'F'},
                      {"Caps F", kKeyF, kCaps, TypedLayer::Shift, 'F'},
                      {"Shift Caps F", kKeyF, kShiftCaps, TypedLayer::Norm, 'f'},
                      {"AltGr F", kKeyF, kAltGr, TypedLayer::AltGr, '['},
                      {"AltGr Caps F", kKeyF, kAltGrCaps, TypedLayer::AltGr, '['},
                      {"Shift AltGr F", kKeyF, kShiftAltGr, TypedLayer::ShiftAltGr, std::nullopt},
                      {"all on F", kKeyF, kAll, TypedLayer::ShiftAltGr, std::nullopt},
                      {"Caps 1", kKeyOne, kCaps, TypedLayer::Norm, '1'},
                      {"Shift Caps 1", kKeyOne, kShiftCaps, TypedLayer::Shift, '!'},
                      {"AltGr E", kKeyE, kAltGr, TypedLayer::AltGr, std::nullopt},
                      {"index past the keys", kKeyCount, kNone, TypedLayer::Norm, std::nullopt},
                  });
}

// The pad reads the layout back first, but a 32 must type nothing even without that.
TEST(TypeKey, TypesNoAltGrCharacterOfTheSpaceOrLess) {
    KeyboardLayout layout = DefaultLayout(); // E has AltGr 32
    layout.AltGrChar[kKeyF] = 33;
    ExpectPresses(layout, {{"AltGr E", kKeyE, kAltGr, TypedLayer::AltGr, std::nullopt},
                           {"AltGr F", kKeyF, kAltGr, TypedLayer::AltGr, 33}});
}

TEST(TypeKey, KeysWithASharedOrNoVirtualKeyCodeTypeWhatTheFileLeadsTo) {
    KeyboardLayout layout = DefaultLayout();
    layout.VirtualKey[kKeyOne] = 0;
    layout.VirtualKey[kKeyG] = layout.VirtualKey[kKeyF];
    layout.AltGrChar[kKeyF] = 0xC1;
    layout.AltGrChar[kKeyG] = 0xC2;
    layout.CapsAffected[kKeyF] = 0;
    ExpectPresses(ReadBack(layout),
                  {
                      {"G", kKeyG, kNone, TypedLayer::Norm, 'f'},
                      {"Caps G", kKeyG, kCaps, TypedLayer::Shift, 'F'},
                      {"AltGr G", kKeyG, kAltGr, TypedLayer::AltGr, 0xC2},
                      {"AltGr F", kKeyF, kAltGr, TypedLayer::AltGr, 0xC2},
                      {"no code", kKeyOne, kNone, TypedLayer::Norm, std::nullopt},
                      {"AltGr no code", kKeyOne, kAltGr, TypedLayer::AltGr, std::nullopt},
                  });
}

} // namespace
} // namespace kbd
