// The Edit menu: undo and redo of every step the document keeps, and the tools that each
// change many keys at once as one step.
#pragma once

#include <QObject>

class QMenuBar;
class QString;

namespace kbd {

class LayoutDocument;
class TAllKeysForm;
struct KeyboardLayout;

class EditMenu : public QObject {
public:
    // A child of `form`, whose status bar says when a tool has nothing to do.
    EditMenu(TAllKeysForm& form, LayoutDocument& document);

    // Adds Edit to `bar`; the tools' items run the form's handlers of their names.
    void AddTo(QMenuBar* bar);

    void FillAnsi();
    void SetCaps();
    void ClearAltGr();
    void KeepAltGrUnderCaps();

private:
    void Apply(const QString& step, const QString& unchanged, const KeyboardLayout& changed);

    TAllKeysForm& form_;
    LayoutDocument& document_;
};

} // namespace kbd
