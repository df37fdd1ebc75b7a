// "More layers": the 49 keys as the main window places them, showing the Shift+AltGr
// layer, which the main window's four layer buttons do not reach. A palette cell dropped
// on a key gives it that Shift+AltGr character; a click picks one from a list; the key's
// context menu makes the character dead or plain. A second page lists each dead character
// with its compositions, to add, remove or take from Unicode. Every change is one step of
// the document's history, and both pages follow the document whatever made the change.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

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
    // Dead character `dead` followed by `base` types `result`.
    void AddComposition(std::uint8_t dead, std::uint8_t base, std::uint8_t result);
    void RemoveComposition(std::uint8_t dead, std::uint8_t base);
    // Adds what Unicode composes dead `dead` with, keeping the compositions it has.
    void ComposeFromUnicode(std::uint8_t dead);

private:
    void ShowKey(int index);
    void ShowAll();
    void PickCharacter(int number);
    void OfferMenu(int number, const QPoint& where);
    QWidget* MakeKeysPage();
    QWidget* MakeDeadKeysPage();
    void ShowDeadKeys();
    void EnableButtons();
    void AskComposition();
    // A byte as the code page shows it, or as "0x81" where the code page has no character.
    QString Shown(std::uint8_t code) const;
    // The dead character of the selected row, and the base of a selected composition.
    std::optional<std::uint8_t> SelectedDead() const;
    std::optional<std::uint8_t> SelectedBase() const;

    LayoutDocument& document_;
    std::array<toolkit::ByteButton*, 49> keys_{};
    QTreeWidget* deadKeys_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* compose_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace kbd
