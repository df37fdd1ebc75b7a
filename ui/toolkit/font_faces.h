// The faces and styles a font chooser offers, as the font system knows them.
#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <vector>

namespace kbd::toolkit {

struct FontStyle {
    QString name;
    int weight = 400;
    bool italic = false;
};

// The families a window can draw in, each once under its plain name: fontconfig lists a
// family once per foundry, as "Nimbus Sans [urw]", and a QFont of the plain name finds it.
QStringList ScreenFamilies();

// The styles of `family`, lightest first, upright before slanted; the four classic styles
// for a face this system does not have, so that a font named elsewhere can still be styled.
std::vector<FontStyle> FaceStyles(const QString& family);

// The style closest to `weight` with the same slant, if the face has one.
std::size_t NearestStyle(const std::vector<FontStyle>& styles, int weight, bool italic);

} // namespace kbd::toolkit
