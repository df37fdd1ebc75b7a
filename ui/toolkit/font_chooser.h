// The main window's font chooser: keeps a display font between uses and lets the user pick
// a new one in a window of its own. Qt's font dialog has no colour and no character set,
// which the keys need, so this one is built from plain widgets.
#pragma once

#include "display_font.h"

#include <QObject>
#include <QPointer>

class QDialog;
class QWidget;

namespace kbd::toolkit {

class FontForm;

class FontChooser : public QObject {
    Q_OBJECT
public:
    // Starts from Arial, bold, 10 points, black, Windows-1250.
    explicit FontChooser(QWidget* window);

    const DisplayFont& font() const { return font_; }
    void setFont(const DisplayFont& font) { font_ = font; }

    // Built on first use: listing the faces and their styles would slow the start-up. The
    // dialog takes the chooser's object name and is a modal child of `window`.
    QDialog& dialog();

    // Runs the dialog from font(); true, and font() holds the choice, when confirmed.
    bool Execute();

private:
    FontForm& form();

    QWidget* window_;
    QPointer<FontForm> form_;
    DisplayFont font_;
};

} // namespace kbd::toolkit
