// The character palette, the magnifier, and dragging a cell out of the palette.
#include "all_keys_form.h"
#include "form_geometry.h"
#include "ui/toolkit/byte_label.h"
#include "ui/toolkit/cell_drag.h"
#include "ui/toolkit/fonts.h"
#include "widget_number.h"

namespace kbd {

using namespace allkeys;

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

} // namespace kbd
