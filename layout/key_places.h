// Where each of the 49 keys stands on the picture of the typewriter block, in pixels of
// the main window's client area (96 dpi). The main window places its key buttons here and
// the printable picture draws its keys here, so both always show one keyboard.
#pragma once

#include "keyboard_layout.h"

#include <array>

namespace kbd {

inline constexpr int kKeySide = 25; // every key is a square

struct KeyPlace {
    int left;
    int top;
    const char* storedCaption; // identifies the key until the first ShowLayer
};

// Indexed by key number - 1.
inline constexpr std::array<KeyPlace, kKeyCount> kKeyPlaces{{
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

} // namespace kbd
