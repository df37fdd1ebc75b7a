// "More layers": the 49 keys as the main window places them, showing the Shift+AltGr
// layer, which the main window's four layer buttons do not reach. A palette cell dropped
// on a key gives it that Shift+AltGr character; a click picks one from a list; the key's
// context menu makes the character dead or plain. A second page (DeadKeysPage) lists each
// dead character with its compositions. Every change is one step of the document's
// history, and both pages follow the document whatever made the change.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

namespace kbd {

class LayoutDocument;
namespace toolkit {
class ByteButton;
}

class TMoreLayersForm : public QWidget {
    Q_OBJECT
public:
    TMoreLayersForm(LayoutDocument& document, QWidget* parent);

    // Key `number` 1..49 gets Shift+AltGr character `code` (32 or less: none).
    void SetShiftAltGr(int number, std::uint8_t code);
    // Key `number` 1..49's Shift+AltGr character becomes dead, or plain again.
    void SetDead(int number, bool dead);

private:
    void ShowKey(int index);
    void ShowAll();
    void PickCharacter(int number);
    void OfferMenu(int number, const QPoint& where);
    QWidget* MakeKeysPage();

    LayoutDocument& document_;
    std::array<toolkit::ByteButton*, 49> keys_{};
};

} // namespace kbd
