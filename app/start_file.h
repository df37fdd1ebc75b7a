// `kbdgen FILE`: how a file manager starts the editor for a KBD file (Exec=kbdgen %f).
#pragma once

#include <QString>
#include <QStringList>

namespace kbd {

class TAllKeysForm;

// What is left of the command line once Qt has taken out its own options, program name
// first: nothing more, or the one file to open, which goes to `file`. Anything else prints
// the usage on standard error and returns false.
bool AcceptStartArguments(const QStringList& arguments, QString& file);

// Opens `path` through File, Open's own path once the event loop runs, so that the main
// window is up before a refusal's message box shows over it.
void OpenWhenStarted(TAllKeysForm& window, const QString& path);

} // namespace kbd
