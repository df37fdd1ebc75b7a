// The names people know the 8-bit Windows code pages by, for captions.
#pragma once

#include <QString>

namespace kbd::render {

// "Central European" for 1250 and so on; empty for a code page without a common name.
QString CodePageName(int number);

// "code page 1250 (Central European)", or "code page 437" when it has no name here.
QString CodePageCaption(int number);

} // namespace kbd::render
