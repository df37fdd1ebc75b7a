// Press sequences and the bytes Windows 95's driver types for them, one row per
// sequence: on the editor's default file and on images built here with what the
// editor never writes.
#include "driver/to_ascii.h"
#include "image_builder.h"
#include "layout/dead_keys.h"
#include "layout/keyboard_layout.h"
#include "layout/writer.h"

#include <gtest/gtest.h>

namespace kbd::driver {
namespace {

// One press and what it must type: hex bytes ("5C", "60 61"), "dead 5E" or "nothing".
struct Step {
    Modifiers held;
    int key; // key index 0..48, or -scan code for a key outside the 49
    const char* typed;
    Source source;
    bool capsLockBefore = false; // toggle Caps Lock before this press
};

struct Sequence {
    const char* name;
    std::vector<std::uint8_t> (*image)();
    std::vector<Step> steps;
};

std::string Hex(std::uint8_t byte) {
    const char* digits = "0123456789ABCDEF";
    return {digits[byte >> 4], digits[byte & 15]};
}

std::string Shown(const Typed& typed) {
    if (typed.bytes.empty()) {
        return "nothing";
    }
    std::string text = typed.deadWaiting() ? "dead " : "";
    for (std::size_t i = 0; i < typed.bytes.size(); ++i) {
        text += (i == 0 ? "" : " ") + Hex(typed.bytes[i]);
    }
    return text;
}

std::vector<std::uint8_t> DefaultImage() {
    const KbdImage image = BuildKbdImage(DefaultLayout());
    return {image.begin(), image.end()};
}

// As the editor writes it: Ą of code page 1250 on Shift+AltGr+A, ^ dead on Shift+6.
std::vector<std::uint8_t> EditorsExtendedFile() {
    KeyboardLayout layout = DefaultLayout();
    layout.ShiftAltGrChar[26] = 0xA5;
    SetDead(layout, 6, CharLayer::Shift, true);
    SetComposition(layout, {'^', 'e', 0xEA});
    return BuildKbdFile(layout);
}

constexpr int kQ = 13, kW = 14, kE = 15, kF = 29, kA = 26, kL = 34, kOne = 1, kSix = 6, kMinus = 11,
              kLeftBracket = 23, kDecimal = 48;
constexpr int kEsc = -0x01, kBack = -0x0E, kTab = -0x0F, kReturn = -0x1C, kSpace = -0x39;

constexpr int kTwo = 2, kRightBracket = 24, kN = 42;

// Alt, Shift, Ctrl like ours, with Shift+AltGr filled, and a scan table of two keys
// that puts A on the Q key too.
std::vector<std::uint8_t> MoreStates() {
    test::ImageSpec shape;
    shape.tables = {
        {0, 0, {'A'}, {'a'}}, {2, 1, {'A'}, {'A'}}, {5, 6, {'A'}, {0xE6}}, {7, 7, {'A'}, {0xC6}}};
    shape.scans = {0x1E, 0x10};
    shape.scanKeys = {'A', 'A'};
    shape.capsKeys = {'A'};
    return test::BuildImage(shape);
}

// Shift, Ctrl, Alt: bit 1 is Ctrl here, yet the driver's Caps Lock still flips bit 1.
std::vector<std::uint8_t> OtherOrder() {
    test::ImageSpec shape;
    shape.stateKeys = {0x10, 0x11, 0x12};
    shape.tables = {{0, 0, {'A'}, {'a'}}, {1, 1, {'A'}, {'A'}}, {2, 2, {'A'}, {'c'}}};
    shape.scans = {0x1E};
    shape.scanKeys = {'A'};
    shape.capsKeys = {'A'};
    return test::BuildImage(shape);
}

std::vector<std::uint8_t> DeadCircumflex() {
    test::ImageSpec shape;
    shape.tables = {{0, 0, {0xDD, 'A', 'E', 'Q'}, {'^', 'a', 'e', 'q'}}};
    shape.scans = {0x1B, 0x1E, 0x12, 0x10};
    shape.scanKeys = {0xDD, 'A', 'E', 'Q'};
    shape.nDeadKeys = 1;
    shape.deadKeys = {'^'};
    shape.compose = {{'^', 'a', 0xE2}, {'^', 'e', 0xEA}};
    return test::BuildImage(shape);
}

// DEADCOMBOS: the tilde is dead on AltGr+2 only, not on Shift+2.
std::vector<std::uint8_t> DeadTildeCombo() {
    test::ImageSpec shape;
    shape.flags = 0x0A | 0x20;
    shape.tables = {{0, 0, {'2', 'N'}, {'2', 'n'}}, {2, 1, {'2'}, {'~'}}, {5, 6, {'2'}, {'~'}}};
    shape.scans = {0x03, 0x31};
    shape.scanKeys = {'2', 'N'};
    shape.nDeadKeys = 1;
    shape.deadKeys = {'~', '2', 5, 0};
    shape.compose = {{'~', 'n', 0xF1}};
    return test::BuildImage(shape);
}

std::vector<std::uint8_t> Ligature() {
    test::ImageSpec shape;
    shape.tables = {{0, 0, {'A'}, {'a'}}, {2, 1, {'A'}, {'A'}}};
    shape.scans = {0x1E};
    shape.scanKeys = {'A'};
    shape.ligatures = {'a', 'A', 0, 0, 2, 'b', 0, 'c', 0, 0, 0, 0, 0};
    return test::BuildImage(shape);
}

// nStates 0: the empty search of TOASC_STATES keeps the flag of the test before it.
std::vector<std::uint8_t> NoStates() {
    test::ImageSpec shape;
    shape.tables = {{0, 0, {'A'}, {'a'}}};
    shape.scans = {0x1E};
    shape.scanKeys = {'A'};
    return test::BuildImage(shape);
}

class KeySequence : public testing::TestWithParam<Sequence> {};

TEST_P(KeySequence, TypesWhatTheDriverTypes) {
    const Sequence& sequence = GetParam();
    const std::vector<std::uint8_t> image = sequence.image();
    const auto loaded = LoadKeyboard(image);
    ASSERT_TRUE(loaded.ok()) << loaded.error().message();
    Keyboard keyboard(loaded.value());
    int n = 0;
    for (const Step& step : sequence.steps) {
        if (step.capsLockBefore) {
            keyboard.setCapsLock(!keyboard.capsLock());
        }
        const Typed typed =
            step.key >= 0 ? keyboard.pressKey(step.key, step.held)
                          : keyboard.pressScanCode(static_cast<std::uint8_t>(-step.key), step.held);
        EXPECT_EQ(Shown(typed), step.typed) << "press " << n;
        EXPECT_EQ(typed.source, step.source) << "press " << n;
        ++n;
    }
}

constexpr Modifiers kCtrlShift{.shift = true, .ctrl = true};
constexpr Modifiers kAlt{.alt = true};

INSTANTIATE_TEST_SUITE_P(
    DefaultFile, KeySequence,
    testing::Values(Sequence{"NormShiftAltGr",
                             DefaultImage,
                             {{kNorm, kQ, "71", Source::Layout},
                              {kShift, kQ, "51", Source::Layout},
                              {kAltGr, kQ, "5C", Source::Layout},
                              {kAltGr, kE, "nothing", Source::Nothing},
                              {kShiftAltGr, kQ, "nothing", Source::Nothing}}},
                    Sequence{"CapsLockFlipsShiftEvenUnderAltGr",
                             DefaultImage,
                             {{kNorm, kQ, "51", Source::Layout, true},
                              {kShift, kQ, "71", Source::Layout},
                              {kAltGr, kQ, "nothing", Source::Nothing},
                              {kAltGr, kOne, "7E", Source::Layout},
                              {kNorm, kOne, "31", Source::Layout}}},
                    Sequence{"CtrlFallbacks",
                             DefaultImage,
                             {{kCtrl, kA, "01", Source::Driver},
                              {kCtrl, kL, "0C", Source::Driver},
                              {kCtrlShift, kA, "01", Source::Driver},
                              {kCtrl, kLeftBracket, "1B", Source::Layout},
                              {kCtrlShift, kSix, "1E", Source::Layout},
                              {kCtrlShift, kMinus, "1F", Source::Layout},
                              {kCtrl, kOne, "nothing", Source::Nothing},
                              {kCtrl, kReturn, "0A", Source::Driver},
                              {kCtrl, kBack, "7F", Source::Driver}}},
                    Sequence{"KeysTheDriverTypesItself",
                             DefaultImage,
                             {{kNorm, kEsc, "1B", Source::Driver},
                              {kShift, kTab, "09", Source::Driver},
                              {kAlt, kBack, "08", Source::Driver},
                              {kAlt, kTab, "nothing", Source::Nothing},
                              {kNorm, kSpace, "20", Source::Driver},
                              {kAlt, kQ, "71", Source::Layout}}},
                    Sequence{"ExtendedTablesOfOurFile",
                             EditorsExtendedFile,
                             {{kShiftAltGr, kA, "A5", Source::Layout},
                              {kShift, kSix, "dead 5E", Source::DeadKey},
                              {kNorm, kE, "EA", Source::Composed},
                              {kShift, kSix, "dead 5E", Source::DeadKey},
                              {kNorm, kQ, "5E 71", Source::NotComposed},
                              {kShift, kSix, "dead 5E", Source::DeadKey},
                              {kNorm, kSpace, "5E", Source::DeadKeySpace}}},
                    // SCAN_SIZE is 48 in our file: the decimal key takes the driver's US code.
                    Sequence{"DecimalKeyThroughTheUsTable",
                             DefaultImage,
                             {{kNorm, kDecimal, "2C", Source::Layout},
                              {kAltGr, kF, "5B", Source::Layout}}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    BuiltImages, KeySequence,
    testing::Values(Sequence{"MoreStates",
                             MoreStates,
                             {{kAltGr, kA, "E6", Source::Layout},
                              {kShiftAltGr, kA, "C6", Source::Layout},
                              {kAltGr, kA, "C6", Source::Layout, true},
                              {kNorm, kA, "41", Source::Layout}}},
                    Sequence{"ScanSizeTwo",
                             MoreStates,
                             {{kNorm, kQ, "61", Source::Layout},
                              {kNorm, kW, "nothing", Source::Nothing},
                              {kCtrl, kW, "17", Source::Driver}}},
                    Sequence{"OtherStateKeyOrder",
                             OtherOrder,
                             {{kShift, kA, "41", Source::Layout},
                              {kCtrl, kA, "63", Source::Layout},
                              {kCtrl, kQ, "nothing", Source::Nothing},
                              {kNorm, kA, "63", Source::Layout, true}}},
                    Sequence{"DeadKeyComposes",
                             DeadCircumflex,
                             {{kNorm, kRightBracket, "dead 5E", Source::DeadKey},
                              {kNorm, kA, "E2", Source::Composed},
                              {kNorm, kRightBracket, "dead 5E", Source::DeadKey},
                              {kNorm, kQ, "5E 71", Source::NotComposed},
                              {kNorm, kRightBracket, "dead 5E", Source::DeadKey},
                              {kNorm, kRightBracket, "5E 5E", Source::NotComposed}}},
                    Sequence{"DeadKeyThenDriverKeys",
                             DeadCircumflex,
                             {{kNorm, kRightBracket, "dead 5E", Source::DeadKey},
                              {kNorm, kSpace, "5E", Source::DeadKeySpace},
                              {kNorm, kRightBracket, "dead 5E", Source::DeadKey},
                              {kNorm, kEsc, "1B", Source::Driver},
                              {kNorm, kE, "EA", Source::Composed},
                              {kNorm, kRightBracket, "dead 5E", Source::DeadKey},
                              {kNorm, kBack, "00", Source::Driver},
                              {kNorm, kA, "61", Source::Layout}}},
                    Sequence{"DeadCombosByState",
                             DeadTildeCombo,
                             {{kShift, kTwo, "7E", Source::Layout},
                              {kAltGr, kTwo, "dead 7E", Source::DeadKey},
                              {kNorm, kN, "F1", Source::Composed}}},
                    Sequence{"Ligature",
                             Ligature,
                             {{kNorm, kA, "61 62 63", Source::Ligature},
                              {kShift, kA, "41", Source::Layout}}},
                    Sequence{"NoStates",
                             NoStates,
                             {{kShift, kA, "61", Source::Layout},
                              {kCtrl, kA, "61", Source::Layout},
                              {kAlt, kA, "nothing", Source::Nothing},
                              {kAltGr, kA, "nothing", Source::Nothing},
                              {kShift, kTab, "09", Source::Driver}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kbd::driver
