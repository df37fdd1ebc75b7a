// The character palette, the magnifier, and dragging a cell onto a key.
#include "all_keys_form.h"
#include "form_geometry.h"
#include "layout/keyboard_layout.h"
#include "ui/toolkit/byte_button.h"
#include "ui/toolkit/byte_label.h"
#include "ui/toolkit/cell_drag.h"
#include "ui/toolkit/fonts.h"
#include "widget_number.h"

#include <QDropEvent>

namespace kbd {

using namespace allkeys;

namespace {

// The cell a drag carries, when it is one of the 224.
std::optional<int> DraggedCell(const QDropEvent* event) {
    const auto cell = toolkit::CellNumber(event->mimeData());
    if (!cell || *cell < 1 || *cell > kCellCount) {
        return std::nullopt;
    }
    return cell;
}

} // namespace

void TAllKeysForm::CreatePalette(QWidget* client) {
    for (int n = 1; n <= kCellCount; ++n) {
        auto* cell = new toolkit::ByteLabel(document_.codePage(), CellCode(n), client);
        cell->setObjectName(QStringLiteral("Label%1").arg(n));
        cell->setGeometry(CellRect(n));
        cell->setAlignment(Qt::AlignCenter);
        cell->setBackground(Qt::white);
        connect(cell, &toolkit::ByteLabel::hovered, this, [this, cell] { LablNNMMove(cell); });
        connect(cell, &toolkit::ByteLabel::leftPressed, this,
                [this, cell] { LablNNMouseDown(cell); });
    }
}

void TAllKeysForm::CreateMagnifier(QWidget* client) {
    LabelBigLet = new toolkit::ByteLabel(document_.codePage(), ' ', client);
    LabelBigLet->setObjectName(QStringLiteral("LabelBigLet"));
    LabelBigLet->setGeometry(kMagnifierRect);
    LabelBigLet->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LabelBigLet->setFont(toolkit::PixelFont(QStringLiteral("Arial"), kBigFontPixels, true));
    LabelBigLet->setBackground(Qt::white);
}

void TAllKeysForm::LablNNMMove(toolkit::ByteLabel* sender) {
    const int n = WidgetNumber(sender->objectName(), kLabelPrefix);
    LabelBigLet->setCode(CellCode(n));
}

void TAllKeysForm::LablNNMouseDown(toolkit::ByteLabel* sender) {
    const int n = WidgetNumber(sender->objectName(), kLabelPrefix);
    toolkit::StartCellDrag(sender, n, sender->text());
}

void TAllKeysForm::ButtonNNDragOver(toolkit::ByteButton*, QDragMoveEvent* event) {
    if (DraggedCell(event)) {
        event->acceptProposedAction();
    }
}

void TAllKeysForm::ButtonNNDragDrop(toolkit::ByteButton* sender, QDropEvent* event) {
    const auto cell = DraggedCell(event);
    if (!cell) {
        return;
    }
    const std::uint8_t code = CellCode(*cell);
    const int number = WidgetNumber(sender->objectName(), kButtonPrefix);
    KeyboardLayout dropped = document_.layout();
    SetLayerChar(dropped, LayerMode, number - 1, code);
    event->acceptProposedAction();
    // A one-key step: the document has this key alone re-captioned.
    document_.changeKey(
        QStringLiteral("drop of %1 on key %2").arg(document_.codePage().text(code)).arg(number),
        number - 1, dropped);
}

} // namespace kbd
