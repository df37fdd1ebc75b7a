// One handler serves a whole family of widgets; it learns which one called it from the
// digits that follow the family's name prefix ("Button14", "Label7").
#pragma once

#include <QString>

namespace kbd::allkeys {

inline constexpr int kButtonPrefix = 6; // "Button"
inline constexpr int kLabelPrefix = 5;  // "Label"

// The characters of `name` after the first `prefixLength`, read as a decimal integer;
// 0 when they are not one.
int WidgetNumber(const QString& name, int prefixLength);

} // namespace kbd::allkeys
