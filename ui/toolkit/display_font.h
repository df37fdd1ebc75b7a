// A display font as the windows pass it around: face, size and style in the QFont, plus
// the colour and the 8-bit code page that a QFont does not carry. Copying one copies all
// five, so a later change to the source never reaches a copy.
#pragma once

#include "shown_code_page.h"

#include <QColor>
#include <QFont>
#include <cmath>

namespace kbd::toolkit {

// The windows are drawn in pixels at 96 dpi, so points turn into pixel heights at that
// density whatever the screen reports: 10 points are 13 pixels, 22 are 29, 56 are 75.
inline int PointsToPixels(int points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

struct DisplayFont {
    QFont font;
    QColor color = Qt::black;
    int codePage = kDefaultCodePage;

    int points() const {
        return font.pixelSize() > 0 ? static_cast<int>(std::lround(font.pixelSize() * 72.0 / 96.0))
                                    : font.pointSize();
    }
    void setPoints(int points) { font.setPixelSize(PointsToPixels(points)); }
};

} // namespace kbd::toolkit
