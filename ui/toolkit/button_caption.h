// Push buttons take "&" as the mark of an access letter; a key must show its character.
#pragma once

#include <QString>

namespace kbd::toolkit {

// `text` with every "&" doubled, so that a push button shows it as one ampersand.
QString ButtonCaption(const QString& text);

} // namespace kbd::toolkit
