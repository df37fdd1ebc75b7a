// The main window's views each span its whole client area, so their widgets keep the
// client's coordinates; outside their own widgets they must let the mouse and drops
// through to the views beneath.
#pragma once

class QWidget;

namespace kbd::allkeys {

// Sizes `layer` to its parent and limits it to where its children stand.
void ClipToChildren(QWidget* layer);

} // namespace kbd::allkeys
