// Press sequences and the bytes Windows 95's driver types for them, one row per
// sequence: on the editor's default file and on images built here with what the
// editor never writes.
#include "driver/to_ascii.h"
#include "image_builder.h"
#include "layout/dead_keys.h"
#include "layout/keyboard_layout.h"
#include "layout/writer.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <sstream>

namespace kbd::driver {
namespace {

// Presses separated by "; ", each: what is held ("Caps:" first toggles Caps Lock), the key
// (kKeys), the bytes typed in hex ("5C", "60 61", "dead 5E" or "nothing") and their source.
struct Sequence {
    const char* name;
    std::vector<std::uint8_t> (*image)();
    const char* steps;
};

std::string Shown(const Typed& typed) {
    std::string text = typed.bytes.empty() ? "nothing" : typed.deadWaiting() ? "dead " : "";
    for (std::size_t i = 0; i < typed.bytes.size(); ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, i == 0 ? "%02X" : " %02X", typed.bytes[i]);
        text += hex;
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

// Alt, Shift, Ctrl like ours, with Shift+AltGr filled, and a scan table of two keys
// that puts A on the Q key too.
std::vector<std::uint8_t> MoreStates() {
    return test::BuildImage({.tables = {{0, 0, {'A'}, {'a'}},
                                        {2, 1, {'A'}, {'A'}},
                                        {5, 6, {'A'}, {0xE6}},
                                        {7, 7, {'A'}, {0xC6}}},
                             .scans = {0x1E, 0x10},
                             .scanKeys = {'A', 'A'},
                             .capsKeys = {'A'}});
}

// Shift, Ctrl, Alt: bit 1 is Ctrl here, yet the driver's Caps Lock still flips bit 1.
std::vector<std::uint8_t> OtherOrder() {
    return test::BuildImage(
        {.stateKeys = {0x10, 0x11, 0x12},
         .tables = {{0, 0, {'A'}, {'a'}}, {1, 1, {'A'}, {'A'}}, {2, 2, {'A'}, {'c'}}},
         .scans = {0x1E},
         .scanKeys = {'A'},
         .capsKeys = {'A'}});
}

std::vector<std::uint8_t> DeadCircumflex() {
    return test::BuildImage({.tables = {{0, 0, {0xDD, 'A', 'E', 'Q'}, {'^', 'a', 'e', 'q'}}},
                             .scans = {0x1B, 0x1E, 0x12, 0x10},
                             .scanKeys = {0xDD, 'A', 'E', 'Q'},
                             .deadKeys = {'^'},
                             .nDeadKeys = 1,
                             .compose = {{'^', 'a', 0xE2}, {'^', 'e', 0xEA}}});
}

// DEADCOMBOS: the tilde is dead on AltGr+2 only, not on Shift+2.
std::vector<std::uint8_t> DeadTildeCombo() {
    return test::BuildImage(
        {.flags = 0x0A | 0x20,
         .tables = {{0, 0, {'2', 'N'}, {'2', 'n'}}, {2, 1, {'2'}, {'~'}}, {5, 6, {'2'}, {'~'}}},
         .scans = {0x03, 0x31},
         .scanKeys = {'2', 'N'},
         .deadKeys = {'~', '2', 5, 0},
         .nDeadKeys = 1,
         .compose = {{'~', 'n', 0xF1}}});
}

std::vector<std::uint8_t> Ligature() {
    return test::BuildImage({.tables = {{0, 0, {'A'}, {'a'}}, {2, 1, {'A'}, {'A'}}},
                             .scans = {0x1E},
                             .scanKeys = {'A'},
                             .ligatures = {'a', 'A', 0, 0, 2, 'b', 0, 'c', 0, 0, 0, 0, 0}});
}

// nStates 0: the empty search of TOASC_STATES keeps the flag of the test before it.
std::vector<std::uint8_t> NoStates() {
    return test::BuildImage({.tables = {{0, 0, {'A'}, {'a'}}}, .scans = {0x1E}, .scanKeys = {'A'}});
}

class KeySequence : public testing::TestWithParam<Sequence> {};

constexpr Modifiers kCtrlShift{.shift = true, .ctrl = true}, kAlt{.alt = true};
const std::map<std::string, Modifiers> kHeld = {
    {"Norm", kNorm}, {"Shift", kShift},           {"AltGr", kAltGr},        {"Ctrl", kCtrl},
    {"Alt", kAlt},   {"ShiftAltGr", kShiftAltGr}, {"CtrlShift", kCtrlShift}};
// Key indexes 0..48, or minus the scan code of a key outside the 49.
const std::map<std::string, int> kKeys = {
    {"1", 1},        {"2", 2},       {"6", 6},          {"-", 11},       {"Q", 13},
    {"W", 14},       {"E", 15},      {"[", 23},         {"]", 24},       {"A", 26},
    {"F", 29},       {"L", 34},      {"N", 42},         {".", 48},       {"Esc", -0x01},
    {"Back", -0x0E}, {"Tab", -0x0F}, {"Return", -0x1C}, {"Space", -0x39}};
const std::map<std::string, Source> kSources = {
    {"Layout", Source::Layout},     {"DeadKey", Source::DeadKey},
    {"Composed", Source::Composed}, {"NotComposed", Source::NotComposed},
    {"Ligature", Source::Ligature}, {"DeadKeySpace", Source::DeadKeySpace},
    {"Driver", Source::Driver},     {"Nothing", Source::Nothing}};

TEST_P(KeySequence, TypesWhatTheDriverTypes) {
    const std::vector<std::uint8_t> image = GetParam().image();
    const auto loaded = LoadKeyboard(image);
    ASSERT_TRUE(loaded.ok()) << loaded.error().message();
    Keyboard keyboard(loaded.value());
    std::istringstream steps(GetParam().steps);
    for (std::string step; std::getline(steps, step, ';');) {
        std::istringstream words(step);
        std::string held, key, typed;
        words >> held >> key;
        if (held.starts_with("Caps:")) {
            keyboard.setCapsLock(!keyboard.capsLock());
            held.erase(0, 5);
        }
        std::vector<std::string> rest{std::istream_iterator<std::string>(words), {}};
        for (std::size_t i = 0; i + 1 < rest.size(); ++i) {
            typed += (i == 0 ? "" : " ") + rest[i];
        }
        const int at = kKeys.at(key);
        const Typed got =
            at >= 0 ? keyboard.pressKey(at, kHeld.at(held))
                    : keyboard.pressScanCode(static_cast<std::uint8_t>(-at), kHeld.at(held));
        EXPECT_EQ(Shown(got), typed) << step;
        EXPECT_EQ(got.source, kSources.at(rest.back())) << step;
    }
}

INSTANTIATE_TEST_SUITE_P(
    DefaultFile, KeySequence,
    testing::Values(Sequence{"NormShiftAltGr", DefaultImage,
                             "Norm Q 71 Layout; Shift Q 51 Layout; AltGr Q 5C Layout; "
                             "AltGr E nothing Nothing; ShiftAltGr Q nothing Nothing"},
                    Sequence{"CapsLockFlipsShiftEvenUnderAltGr", DefaultImage,
                             "Caps:Norm Q 51 Layout; Shift Q 71 Layout; AltGr Q nothing Nothing; "
                             "AltGr 1 7E Layout; Norm 1 31 Layout"},
                    Sequence{"CtrlFallbacks", DefaultImage,
                             "Ctrl A 01 Driver; Ctrl L 0C Driver; CtrlShift A 01 Driver; "
                             "Ctrl [ 1B Layout; CtrlShift 6 1E Layout; CtrlShift - 1F Layout; "
                             "Ctrl 1 nothing Nothing; Ctrl Return 0A Driver; Ctrl Back 7F Driver"},
                    Sequence{"KeysTheDriverTypesItself", DefaultImage,
                             "Norm Esc 1B Driver; Shift Tab 09 Driver; Alt Back 08 Driver; "
                             "Alt Tab nothing Nothing; Norm Space 20 Driver; Alt Q 71 Layout"},
                    Sequence{"ExtendedTablesOfOurFile", EditorsExtendedFile,
                             "ShiftAltGr A A5 Layout; Shift 6 dead 5E DeadKey; Norm E EA Composed; "
                             "Shift 6 dead 5E DeadKey; Norm Q 5E 71 NotComposed; "
                             "Shift 6 dead 5E DeadKey; Norm Space 5E DeadKeySpace"},
                    // SCAN_SIZE is 48 in our file: the decimal key takes the driver's US code.
                    Sequence{"DecimalKeyThroughTheUsTable", DefaultImage,
                             "Norm . 2C Layout; AltGr F 5B Layout"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    BuiltImages, KeySequence,
    testing::Values(Sequence{"MoreStates", MoreStates,
                             "AltGr A E6 Layout; ShiftAltGr A C6 Layout; Caps:AltGr A C6 Layout; "
                             "Norm A 41 Layout"},
                    Sequence{"ScanSizeTwo", MoreStates,
                             "Norm Q 61 Layout; Norm W nothing Nothing; Ctrl W 17 Driver"},
                    Sequence{"OtherStateKeyOrder", OtherOrder,
                             "Shift A 41 Layout; Ctrl A 63 Layout; Ctrl Q nothing Nothing; "
                             "Caps:Norm A 63 Layout"},
                    Sequence{"DeadKeyComposes", DeadCircumflex,
                             "Norm ] dead 5E DeadKey; Norm A E2 Composed; Norm ] dead 5E DeadKey; "
                             "Norm Q 5E 71 NotComposed; Norm ] dead 5E DeadKey; "
                             "Norm ] 5E 5E NotComposed"},
                    Sequence{"DeadKeyThenDriverKeys", DeadCircumflex,
                             "Norm ] dead 5E DeadKey; Norm Space 5E DeadKeySpace; "
                             "Norm ] dead 5E DeadKey; Norm Esc 1B Driver; Norm E EA Composed; "
                             "Norm ] dead 5E DeadKey; Norm Back 00 Driver; Norm A 61 Layout"},
                    Sequence{"DeadCombosByState", DeadTildeCombo,
                             "Shift 2 7E Layout; AltGr 2 dead 7E DeadKey; Norm N F1 Composed"},
                    Sequence{"Ligature", Ligature, "Norm A 61 62 63 Ligature; Shift A 41 Layout"},
                    Sequence{"NoStates", NoStates,
                             "Shift A 61 Layout; Ctrl A 61 Layout; Alt A nothing Nothing; "
                             "AltGr A nothing Nothing; Shift Tab 09 Driver"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kbd::driver
