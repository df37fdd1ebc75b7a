// Where everything stands in the main window: the picture of the keyboard must match the
// key block it was drawn from, so these are fixed pixels of the client area (96 dpi).
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

namespace kbd::allkeys {

inline constexpr QPoint kWindowPosition{34, 16}; // outer top-left corner
inline constexpr QSize kClientSize{566, 337};

inline constexpr int kWindowFontPixels = 13;
inline constexpr int kBigFontPixels = 75;
inline constexpr int kRadioFontPixels = 13;

inline constexpr QSize kKeySize{25, 25};

struct KeyPlace {
    int left;
    int top;
    const char* storedCaption; // identifies the key until the first ShowLayer
};

// Indexed by key number - 1.
inline constexpr std::array<KeyPlace, 49> kKeyPlaces{{
    {16, 24, "'"},   {48, 24, "1"},   {80, 24, "2"},   {112, 24, "3"},  {144, 24, "4"},
    {176, 24, "5"},  {208, 24, "6"},  {240, 24, "7"},  {272, 24, "8"},  {304, 24, "9"},
    {336, 24, "0"},  {368, 24, "-"},  {400, 24, "="},  {32, 56, "Q"},   {64, 56, "W"},
    {96, 56, "E"},   {128, 56, "R"},  {160, 56, "T"},  {192, 56, "Y"},  {224, 56, "U"},
    {256, 56, "I"},  {288, 56, "O"},  {320, 56, "P"},  {352, 56, "["},  {384, 56, "]"},
    {432, 24, "\\"}, {48, 88, "A"},   {80, 88, "S"},   {112, 88, "D"},  {144, 88, "F"},
    {176, 88, "G"},  {208, 88, "H"},  {240, 88, "J"},  {272, 88, "K"},  {304, 88, "L"},
    {336, 88, ";"},  {368, 88, "'"},  {64, 120, "Z"},  {96, 120, "X"},  {128, 120, "C"},
    {160, 120, "V"}, {192, 120, "B"}, {224, 120, "N"}, {256, 120, "M"}, {288, 120, ","},
    {320, 120, "."}, {352, 120, "/"}, {32, 120, ">"},  {416, 120, "."},
}};

inline constexpr int kCellCount = 224;
inline constexpr int kCellsPerRow = 32;
inline constexpr int kCellSide = 16;
inline constexpr QPoint kPaletteOrigin{24, 208};
inline constexpr int kFirstCellCode = 32; // cell N stands for code N + 31

inline constexpr QRect CellRect(int cellNumber) {
    return QRect(kPaletteOrigin.x() + kCellSide * ((cellNumber - 1) % kCellsPerRow),
                 kPaletteOrigin.y() + kCellSide * ((cellNumber - 1) / kCellsPerRow), kCellSide,
                 kCellSide);
}

inline constexpr QRect kMagnifierRect{456, 104, 81, 89};

struct RadioPlace {
    const char* name;
    const char* caption;
    QRect rect;
    int layerMode;
};

// In tab order.
inline constexpr std::array<RadioPlace, 4> kRadioPlaces{{
    {"rb_shift", "Shift", QRect(480, 8, 65, 17), 1},
    {"RB_mala", "Norm", QRect(480, 24, 65, 33), 2},
    {"rb_altgr", "AltGr", QRect(480, 56, 65, 17), 3},
    {"rb_ansi", "ANSI", QRect(480, 80, 65, 17), 4},
}};

} // namespace kbd::allkeys
