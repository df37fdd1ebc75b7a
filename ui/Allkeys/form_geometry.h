// Where everything stands in the main window: the picture of the keyboard must match the
// key block it was drawn from, so these are fixed pixels of the client area (96 dpi).
#pragma once

#include "layout/key_places.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <cstdint>

namespace kbd::allkeys {

inline constexpr QPoint kWindowPosition{34, 16}; // outer top-left corner
inline constexpr QSize kClientSize{566, 337};

inline constexpr int kWindowFontPixels = 13;
inline constexpr int kBigFontPixels = 75;
inline constexpr int kRadioFontPixels = 13;

inline constexpr QSize kKeySize{kKeySide, kKeySide};

using kbd::KeyPlace;
using kbd::kKeyPlaces;

inline constexpr int kCellCount = 224;
inline constexpr int kCellsPerRow = 32;
inline constexpr int kCellSide = 16;
inline constexpr QPoint kPaletteOrigin{24, 208};

// Cell N stands for code N + 31.
inline constexpr std::uint8_t CellCode(int cellNumber) {
    return static_cast<std::uint8_t>(cellNumber + 31);
}

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
};

// In tab order.
inline constexpr std::array<RadioPlace, 4> kRadioPlaces{{
    {"rb_shift", "Shift", QRect(480, 8, 65, 17)},
    {"RB_mala", "Norm", QRect(480, 24, 65, 33)},
    {"rb_altgr", "AltGr", QRect(480, 56, 65, 17)},
    {"rb_ansi", "ANSI", QRect(480, 80, 65, 17)},
}};

} // namespace kbd::allkeys
