#include "button_caption.h"

namespace kbd::toolkit {

QString ButtonCaption(const QString& text) {
    QString caption = text;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

} // namespace kbd::toolkit
