// The "Code Assignment" dialog: one key's virtual-key code, its four characters and its
// Caps-Lock flag. It holds no copy of the key; the main window presets its widgets, runs
// it and reads them back, so whatever the widgets show when it closes is what is stored.
#pragma once

#include "ui/toolkit/shown_code_page.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;

namespace kbd {

namespace toolkit {
struct DisplayFont;
}

class TOneKeyForm : public QDialog {
    Q_OBJECT
public:
    // The lists read their entries in `codePage`, the document's, and follow its changes.
    explicit TOneKeyForm(const toolkit::ShownCodePage& codePage, QWidget* parent = nullptr);

    // The lists' first entries stand for these codes: position p is code p + first.
    static constexpr int kFirstVirtual = 0;
    static constexpr int kFirstChar = 33;
    static constexpr int kFirstAltGr = 32;

    QComboBox* Comb_virt = nullptr;
    QComboBox* comb_shift = nullptr;
    QComboBox* comb_mala = nullptr;
    QComboBox* comb_altgr = nullptr;
    QComboBox* comb_ansi = nullptr;
    QCheckBox* check_caps = nullptr;

    // Gives the four character lists `font`'s face, size, style and colour. No entry and no
    // selection changes.
    void SetCharListFont(const toolkit::DisplayFont& font);

private:
    void FormCreate();
    void RenderCharLists();

    const toolkit::ShownCodePage& codePage_;
};

} // namespace kbd
