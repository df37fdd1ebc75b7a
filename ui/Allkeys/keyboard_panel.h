// The 49 key buttons and the layer selector beside them: the keys show the current layer
// of the document's layout and follow its every change; a cell dropped on a key sets that
// key's character in the current layer.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

class QDragMoveEvent;
class QDropEvent;
class QRadioButton;

namespace kbd {

class LayoutDocument;

namespace toolkit {
class ByteButton;
}

class KeyboardPanel : public QWidget {
    Q_OBJECT
public:
    // Spans `client`, whose coordinates the keys and radios are placed in; shows Norm.
    KeyboardPanel(LayoutDocument& document, QWidget* client);

    // 1 Shift, 2 Norm, 3 AltGr, 4 ANSI.
    int layer() const { return layer_; }
    // Makes `mode` the current layer and re-captions all 49 keys from it; a mode outside
    // 1..4 is stored but re-captions nothing.
    void ShowLayer(int mode);
    // Selects `layer` as its radio would and flashes key `key` 1..49; either may be out of
    // range and is then left alone.
    void PointOut(int key, int layer);
    // Key `number` 1..49's character in the current layer becomes dead, or plain again, as
    // its context menu's Dead key does; one undo step. ANSI has none.
    void SetDead(int number, bool dead);

signals:
    void keyClicked(int number);        // 1..49
    void keyHovered(std::uint8_t code); // what the hovered key types in the current layer

private:
    void CreateKeys();
    void CreateLayerSelector();
    // Re-captions key `index` 0..48 from the current layer, when one is shown.
    void ShowKey(int index);
    void Hover(int number);
    void DragOver(QDragMoveEvent* event);
    void Drop(int number, QDropEvent* event);
    void OfferDeadKey(int number, const QPoint& where);

    LayoutDocument& document_;
    int layer_ = 0;
    std::array<toolkit::ByteButton*, 49> keys_{};
    std::array<QRadioButton*, 4> radios_{};
};

} // namespace kbd
