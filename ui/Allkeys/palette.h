// The 224 character cells and the magnifier over them: a hovered cell shows big, a pressed
// one starts the drag that a key takes as its character.
#pragma once

#include <QWidget>
#include <cstdint>

namespace kbd {

namespace toolkit {
class ByteLabel;
class ShownCodePage;
} // namespace toolkit

class Palette : public QWidget {
    Q_OBJECT
public:
    // Spans `client`, whose coordinates the cells and the magnifier are placed in.
    Palette(toolkit::ShownCodePage& codePage, QWidget* client);

    // Shows `code` big, as for a hovered cell or key.
    void Magnify(std::uint8_t code);
    // Options, Font gives it its own font and colour.
    toolkit::ByteLabel* magnifier() const { return LabelBigLet; }

private:
    void CreateCells(toolkit::ShownCodePage& codePage);
    void CreateMagnifier(toolkit::ShownCodePage& codePage);
    void LablNNMMove(toolkit::ByteLabel* sender);
    void LablNNMouseDown(toolkit::ByteLabel* sender);

    toolkit::ByteLabel* LabelBigLet = nullptr;
};

} // namespace kbd
