#include "layout_document.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace kbd {

// Keeps the whole layout before and after: 343 bytes each, so an undo restores exactly
// what was there, whatever the edit touched. The step changes the layout and nothing else;
// the document tells the views.
class LayoutStep : public QUndoCommand {
public:
    LayoutStep(LayoutDocument& document, const QString& what, int key, const KeyboardLayout& before,
               const KeyboardLayout& after)
        : QUndoCommand(what), document_(document), key_(key), before_(before), after_(after) {}

    void undo() override { document_.restore(before_, key_); }
    // The first redo is the edit itself.
    void redo() override { document_.restore(after_, key_); }

private:
    LayoutDocument& document_;
    int key_;
    KeyboardLayout before_;
    KeyboardLayout after_;
};

LayoutDocument::LayoutDocument(KeyboardLayout& layout, QObject* parent)
    : QObject(parent), layout_(layout), codePage_(this), undoStack_(new QUndoStack(this)) {
    connect(&codePage_, &toolkit::ShownCodePage::changed, this, &LayoutDocument::codePageChanged);
}

void LayoutDocument::change(const QString& what, const KeyboardLayout& changed) {
    push(what, -1, changed);
}

void LayoutDocument::changeKey(const QString& what, int index, const KeyboardLayout& changed) {
    push(what, index, changed);
}

void LayoutDocument::push(const QString& what, int key, const KeyboardLayout& changed) {
    if (changed == layout_) {
        return;
    }
    undoStack_->push(new LayoutStep(*this, what, key, layout_, changed));
}

void LayoutDocument::restore(const KeyboardLayout& layout, int key) {
    layout_ = layout;
    if (key < 0) {
        emit layoutChanged();
    } else {
        emit keyChanged(key);
    }
}

} // namespace kbd
