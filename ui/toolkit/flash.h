// Drawing the eye to one widget for a moment, such as the key a finding is about.
#pragma once

class QWidget;

namespace kbd::toolkit {

// Blinks `widget` three times in the highlight colour over about 600 ms, then gives it
// back exactly the palette and background filling it had. Flashing it again while it
// blinks starts the blinks over; nothing happens for null.
void Flash(QWidget* widget);

} // namespace kbd::toolkit
