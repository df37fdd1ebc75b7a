// The Tools menu's exports: the layout for Linux (XKB), for Windows NT (.klc) and on an
// install floppy for Windows 95, each through a save chooser of its own.
#pragma once

class QMenu;

namespace kbd {

class TAllKeysForm;

// Appends the three export items to `tools`; their choosers are children of `form`.
void AddExportItems(TAllKeysForm* form, QMenu* tools);

} // namespace kbd
