// Fonts named as the windows were designed with, at the pixel heights of the design.
#pragma once

#include <QFont>
#include <QString>

namespace kbd::toolkit {

// Maps the face names that a Linux machine lacks to faces of about the same width, so
// that captions fit the widgets they were measured for. Call before any window exists.
void InstallFontSubstitutes();

// `face` with a character height of `pixels` (internal leading not counted).
QFont PixelFont(const QString& face, int pixels, bool bold);

} // namespace kbd::toolkit
