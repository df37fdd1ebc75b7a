// The Dead keys page of More layers: each dead character of the layout, and under it what
// it types with the key after it ("e → ê"), in the code page shown. A composition is added
// by hand, removed, or taken from Unicode; each change is one step of the document's
// history, and the list follows the document whatever made the change.
#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace kbd {

class LayoutDocument;

class DeadKeysPage : public QWidget {
    Q_OBJECT
public:
    DeadKeysPage(LayoutDocument& document, QWidget* parent = nullptr);

    // Dead character `dead` followed by `base` types `result`.
    void AddComposition(std::uint8_t dead, std::uint8_t base, std::uint8_t result);
    void RemoveComposition(std::uint8_t dead, std::uint8_t base);
    // Adds what Unicode composes dead `dead` with, keeping the compositions it has.
    void ComposeFromUnicode(std::uint8_t dead);

private:
    void ShowDeadKeys();
    void EnableButtons();
    void AskComposition();
    // A byte as the code page shows it, or as "0x81" where the code page has no character.
    QString Shown(std::uint8_t code) const;
    // The dead character of the selected row, and the base of a selected composition.
    std::optional<std::uint8_t> SelectedDead() const;
    std::optional<std::uint8_t> SelectedBase() const;

    LayoutDocument& document_;
    QTreeWidget* deadKeys_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* compose_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace kbd
