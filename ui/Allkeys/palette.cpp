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
        auto* cell = new toolkit::ByteLabel(codePage_, static_cast<std::uint8_t>(n + 31), client);
        cell->setObjectName(QStringLiteral("Label%1").arg(n));
        cell->setGeometry(CellRect(n));
        cell->setAlignment(Qt::AlignCenter);
        cell->setBackground(Qt::white);
        connect(cell, &toolkit::ByteLabel::hovered, this, [this, cell] { LablNNMMove(cell); });
        connect(cell, &toolkit::ByteLabel::leftPressed, this,
                [this, cell] { LablNNMouseDown(cell); });
        cells_[n - 1] = cell;
    }
}

void TAllKeysForm::CreateMagnifier(QWidget* client) {
    LabelBigLet = new toolkit::ByteLabel(codePage_, ' ', client);
    LabelBigLet->setObjectName(QStringLiteral("LabelBigLet"));
    LabelBigLet->setGeometry(kMagnifierRect);
    LabelBigLet->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LabelBigLet->setFont(toolkit::PixelFont(QStringLiteral("Arial"), kBigFontPixels, true));
    LabelBigLet->setBackground(Qt::white);
}

void TAllKeysForm::LablNNMMove(toolkit::ByteLabel* sender) {
    const int n = WidgetNumber(sender->objectName(), kLabelPrefix);
    LabelBigLet->setCode(static_cast<std::uint8_t>(n + 31));
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
    const auto code = static_cast<std::uint8_t>(*cell + 31);
    const int index = WidgetNumber(sender->objectName(), kButtonPrefix) - 1;
    SetLayerChar(ProgramLayout(), LayerMode, index, code);
    sender->setCode(code);
    event->acceptProposedAction();
    RefreshCheck();
}

} // namespace kbd
