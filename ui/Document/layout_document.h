// The layout being edited and the code page it is shown in, as one object every view
// follows. Every change of the layout passes through here as one undo step and is
// announced from here, the edit itself as its undo and redo, so no view can miss one and
// none needs to be told by the command that made it.
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

    // Makes `changed` the layout as one undo step named `what` ("opening of my.kbd").
    // Nothing happens, and no step is added, when it equals the layout already held.
    // The step, its undo and its redo each emit layoutChanged().
    void change(const QString& what, const KeyboardLayout& changed);
    // As change(), for a `changed` that differs from the layout held in key `index` 0..48
    // only ("drop of A on key 14"): the step, its undo and its redo each emit
    // keyChanged(index) instead, so the views redraw that key and leave the others be.
    void changeKey(const QString& what, int index, const KeyboardLayout& changed);

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
    // Every change of the layout emits exactly one of these two, so a view that follows the
    // whole layout listens to both. Here any key may differ from what the views show.
    void layoutChanged();
    // Only key `index` 0..48 differs.
    void keyChanged(int index);
    void codePageChanged();

private:
    friend class LayoutStep;
    // Keeps one step of the history; `key` -1 when any key may differ.
    void push(const QString& what, int key, const KeyboardLayout& changed);
    void restore(const KeyboardLayout& layout, int key);

    KeyboardLayout& layout_;
    toolkit::ShownCodePage codePage_;
    std::string locale_ = "sr-Latn-CS"; // the built-in layout is Serbian, in Latin letters
    QUndoStack* undoStack_ = nullptr;
};

} // namespace kbd
