// The layout being edited and the code page it is shown in, as one object every view
// follows. Every change of the layout passes through here as one undo step, so undo,
// redo and the views that follow the layout (the check window) cannot miss an edit.
#pragma once

#include "layout/keyboard_layout.h"
#include "ui/toolkit/shown_code_page.h"

#include <QObject>
#include <QString>
#include <string>

class QUndoStack;

namespace kbd {

class LayoutDocument : public QObject {
    Q_OBJECT
public:
    // Edits `layout` in place, which must outlive the document: the program's one layout.
    explicit LayoutDocument(KeyboardLayout& layout, QObject* parent = nullptr);

    const KeyboardLayout& layout() const { return layout_; }

    // Makes `changed` the layout as one undo step named `what` ("drop of A on key 14").
    // Nothing happens, and no step is added, when it equals the layout already held.
    void change(const QString& what, const KeyboardLayout& changed);

    // The history of changes, for the Edit menu; it lasts the run.
    QUndoStack& undoStack() { return *undoStack_; }

    // The code page every byte is shown in; changing it emits codePageChanged().
    toolkit::ShownCodePage& codePage() { return codePage_; }
    const toolkit::ShownCodePage& codePage() const { return codePage_; }

    // The Windows locale (BCP 47) of the language the layout came from, where that is
    // known; empty: the code page's main language. No KBD file carries it.
    const std::string& locale() const { return locale_; }
    void setLocale(std::string locale) { locale_ = std::move(locale); }

signals:
    // After every change, undo and redo.
    void layoutChanged();
    // After an undo or a redo only: the whole layout may differ from what the views show.
    void layoutRestored();
    void codePageChanged();

private:
    friend class LayoutStep;
    void restore(const KeyboardLayout& layout, bool whole);

    KeyboardLayout& layout_;
    toolkit::ShownCodePage codePage_;
    std::string locale_ = "sr-Latn-CS"; // the built-in layout is Serbian, in Latin letters
    QUndoStack* undoStack_ = nullptr;
};

} // namespace kbd
