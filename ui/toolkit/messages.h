// The editor's one kind of message: a caption, a text, one OK button, no icon.
#pragma once

#include "files/result.h"

#include <QString>

class QWidget;

namespace kbd::toolkit {

// Blocks input to every window of the program until the user presses OK.
void ShowMessage(QWidget* parent, const QString& caption, const QString& text);

// The text that tells the user of `error`: its message(); or, below a `heading` that
// names the file already, what went wrong without the path again, e.g. "The layout was
// not saved to X.\nCannot create the file. (No such file or directory)".
QString ErrorText(const Error& error, const QString& heading = {});

// ShowMessage with ErrorText(error, heading).
void ShowError(QWidget* parent, const QString& caption, const Error& error,
               const QString& heading = {});

} // namespace kbd::toolkit
