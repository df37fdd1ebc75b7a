// Showing a modeless window that may already be up.
#pragma once

class QWidget;

namespace kbd::toolkit {

// Shows `window` if it is hidden, then brings it to the front; a window that is up already
// is only raised, so its show handler does not run again. Nothing happens for null.
void ShowModeless(QWidget* window);

} // namespace kbd::toolkit
