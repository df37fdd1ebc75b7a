#include "layout_document.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace kbd {

// Keeps the whole layout before and after: 343 bytes each, so an undo restores exactly
// what was there, whatever the edit touched.
class LayoutStep : public QUndoCommand {
public:
    LayoutStep(LayoutDocument& document, const QString& what, const KeyboardLayout& before,
               const KeyboardLayout& after)
        : QUndoCommand(what), document_(document), before_(before), after_(after) {}

    void undo() override { document_.restore(before_, true); }

    // The first redo is the edit itself, which the view that made it has shown already.
    void redo() override {
        document_.restore(after_, !first_);
        first_ = false;
    }

private:
    LayoutDocument& document_;
    KeyboardLayout before_;
    KeyboardLayout after_;
    bool first_ = true;
};

LayoutDocument::LayoutDocument(KeyboardLayout& layout, QObject* parent)
    : QObject(parent), layout_(layout), codePage_(this), undoStack_(new QUndoStack(this)) {
    connect(&codePage_, &toolkit::ShownCodePage::changed, this, &LayoutDocument::codePageChanged);
}

void LayoutDocument::change(const QString& what, const KeyboardLayout& changed) {
    if (changed == layout_) {
        return;
    }
    undoStack_->push(new LayoutStep(*this, what, layout_, changed));
}

void LayoutDocument::restore(const KeyboardLayout& layout, bool whole) {
    layout_ = layout;
    emit layoutChanged();
    if (whole) {
        emit layoutRestored();
    }
}

} // namespace kbd
