#include "fonts.h"

#include <QStringList>

namespace kbd::toolkit {

void InstallFontSubstitutes() {
    // fontconfig already sends Arial and Times New Roman to their metric twins; the two
    // bitmap faces of Windows 95 would land on DejaVu Sans, which is far wider.
    const QStringList narrowSans{QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
    QFont::insertSubstitutions(QStringLiteral("System"), narrowSans);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), narrowSans);
}

QFont PixelFont(const QString& face, int pixels, bool bold) {
    QFont font(face);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace kbd::toolkit
