#include "palette.h"

#include "client_layer.h"
#include "form_geometry.h"
#include "ui/toolkit/byte_label.h"
#include "ui/toolkit/cell_drag.h"
#include "ui/toolkit/fonts.h"
#include "widget_number.h"

namespace kbd {

using namespace allkeys;

Palette::Palette(toolkit::ShownCodePage& codePage, QWidget* client) : QWidget(client) {
    setObjectName(QStringLiteral("Palette"));
    CreateCells(codePage);
    CreateMagnifier(codePage);
    ClipToChildren(this);
}

void Palette::CreateCells(toolkit::ShownCodePage& codePage) {
    for (int n = 1; n <= kCellCount; ++n) {
        auto* cell = new toolkit::ByteLabel(codePage, CellCode(n), this);
        cell->setObjectName(QStringLiteral("Label%1").arg(n));
        cell->setGeometry(CellRect(n));
        cell->setAlignment(Qt::AlignCenter);
        cell->setBackground(Qt::white);
        connect(cell, &toolkit::ByteLabel::hovered, this, [this, cell] { LablNNMMove(cell); });
        connect(cell, &toolkit::ByteLabel::leftPressed, this,
                [this, cell] { LablNNMouseDown(cell); });
    }
}

void Palette::CreateMagnifier(toolkit::ShownCodePage& codePage) {
    LabelBigLet = new toolkit::ByteLabel(codePage, ' ', this);
    LabelBigLet->setObjectName(QStringLiteral("LabelBigLet"));
    LabelBigLet->setGeometry(kMagnifierRect);
    LabelBigLet->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LabelBigLet->setFont(toolkit::PixelFont(QStringLiteral("Arial"), kBigFontPixels, true));
    LabelBigLet->setBackground(Qt::white);
}

void Palette::Magnify(std::uint8_t code) {
    LabelBigLet->setCode(code);
}

void Palette::LablNNMMove(toolkit::ByteLabel* sender) {
    Magnify(CellCode(WidgetNumber(sender->objectName(), kLabelPrefix)));
}

void Palette::LablNNMouseDown(toolkit::ByteLabel* sender) {
    const int n = WidgetNumber(sender->objectName(), kLabelPrefix);
    toolkit::StartCellDrag(sender, n, sender->text());
}

} // namespace kbd
