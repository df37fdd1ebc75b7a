// The editor's one kind of message: a caption, a text, one OK button, no icon.
#pragma once

#include <QString>

class QWidget;

namespace kbd::toolkit {

// Blocks input to every window of the program until the user presses OK.
void ShowMessage(QWidget* parent, const QString& caption, const QString& text);

} // namespace kbd::toolkit
