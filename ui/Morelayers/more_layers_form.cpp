#include "more_layers_form.h"

#include "dead_keys_page.h"
#include "layout/dead_keys.h"
#include "layout/key_places.h"
#include "layout/keyboard_layout.h"
#include "ui/Allkeys/form_geometry.h"
#include "ui/Document/layout_document.h"
#include "ui/toolkit/byte_button.h"
#include "ui/toolkit/cell_drag.h"

#include <QBoxLayout>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <algorithm>

namespace kbd {
namespace {

constexpr int kTop = 36; // room for the heading above the keys

// The code of the main window's palette cell a drag carries.
std::optional<std::uint8_t> DroppedCode(const QMimeData* data) {
    const auto cell = toolkit::CellNumber(data);
    if (!cell || *cell < 1 || *cell > allkeys::kCellCount) {
        return std::nullopt;
    }
    return allkeys::CellCode(*cell);
}

} // namespace

TMoreLayersForm::TMoreLayersForm(LayoutDocument& document, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document) {
    setObjectName(QStringLiteral("MoreLayersForm"));
    setWindowTitle(QStringLiteral("More layers"));
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("MoreLayersPages"));
    pages->addTab(MakeKeysPage(), QStringLiteral("Shift+AltGr"));
    pages->addTab(new DeadKeysPage(document_), QStringLiteral("Dead keys"));
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(4, 4, 4, 4);
    frame->addWidget(pages);
    // The keys stand where the main window has them, so the window takes the size they
    // need and keeps it.
    frame->setSizeConstraint(QLayout::SetFixedSize);
    connect(&document_, &LayoutDocument::layoutChanged, this, &TMoreLayersForm::ShowAll);
    connect(&document_, &LayoutDocument::keyChanged, this, &TMoreLayersForm::ShowKey);
    ShowAll();
}

QWidget* TMoreLayersForm::MakeKeysPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("ShiftAltGrPage"));
    auto* heading = new QLabel(
        QStringLiteral("Shift+AltGr: drop a character on a key, click a key to pick one, "
                       "right-click to make it dead."),
        page);
    heading->setWordWrap(true);
    heading->setGeometry(8, 2, 462, 32);
    for (int n = 1; n <= kKeyCount; ++n) {
        const KeyPlace& place = kKeyPlaces[static_cast<std::size_t>(n - 1)];
        auto* key = new toolkit::ByteButton(document_.codePage(), QString(), page);
        key->setObjectName(QStringLiteral("ShiftAltGrKey%1").arg(n));
        key->setGeometry(place.left, place.top + kTop, kKeySide, kKeySide);
        key->setAcceptDrops(true);
        key->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(key, &toolkit::ByteButton::dragOver, this, [](QDragMoveEvent* event) {
            if (DroppedCode(event->mimeData())) {
                event->acceptProposedAction();
            }
        });
        connect(key, &toolkit::ByteButton::dropped, this, [this, n](QDropEvent* event) {
            if (const auto code = DroppedCode(event->mimeData())) {
                event->acceptProposedAction();
                SetShiftAltGr(n, *code);
            }
        });
        connect(key, &toolkit::ByteButton::clicked, this, [this, n] { PickCharacter(n); });
        connect(key, &QWidget::customContextMenuRequested, this,
                [this, n, key](const QPoint& at) { OfferMenu(n, key->mapToGlobal(at)); });
        keys_[static_cast<std::size_t>(n - 1)] = key;
    }
    int bottom = 0;
    for (const KeyPlace& place : kKeyPlaces) {
        bottom = std::max(bottom, place.top + kKeySide);
    }
    page->setMinimumSize(478, kTop + bottom + 8);
    return page;
}

void TMoreLayersForm::SetShiftAltGr(int number, std::uint8_t code) {
    KeyboardLayout changed = document_.layout();
    changed.ShiftAltGrChar[static_cast<std::size_t>(number - 1)] = code > kNoAltGr ? code : 0;
    document_.changeKey(
        QStringLiteral("Shift+AltGr %1 on key %2")
            .arg(code > kNoAltGr ? document_.codePage().text(code) : QStringLiteral("none"))
            .arg(number),
        number - 1, changed);
}

void TMoreLayersForm::SetDead(int number, bool dead) {
    KeyboardLayout changed = document_.layout();
    kbd::SetDead(changed, number - 1, CharLayer::ShiftAltGr, dead);
    document_.changeKey(QStringLiteral("%1 Shift+AltGr on key %2")
                            .arg(dead ? QStringLiteral("dead") : QStringLiteral("plain"))
                            .arg(number),
                        number - 1, changed);
}

void TMoreLayersForm::ShowKey(int index) {
    const auto i = static_cast<std::size_t>(index);
    const std::uint8_t code = document_.layout().ShiftAltGrChar[i];
    keys_[i]->setCode(code > kNoAltGr ? code : kNoAltGr);
    const bool dead = IsDead(document_.layout(), index, CharLayer::ShiftAltGr);
    keys_[i]->setToolTip(dead ? QStringLiteral("Dead key") : QString());
    keys_[i]->setMarked(dead);
}

void TMoreLayersForm::ShowAll() {
    for (int i = 0; i < kKeyCount; ++i) {
        ShowKey(i);
    }
}

void TMoreLayersForm::PickCharacter(int number) {
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("ShiftAltGrDialog"));
    dialog.setWindowTitle(QStringLiteral("Shift+AltGr of key %1").arg(number));
    dialog.setLabelText(QStringLiteral("Character:"));
    QStringList items{QStringLiteral("(none)")};
    for (int code = kNoAltGr + 1; code <= 255; ++code) {
        items << document_.codePage().text(static_cast<std::uint8_t>(code));
    }
    dialog.setComboBoxItems(items);
    const std::uint8_t now =
        document_.layout().ShiftAltGrChar[static_cast<std::size_t>(number - 1)];
    dialog.setTextValue(items.value(now > kNoAltGr ? now - kNoAltGr : 0));
    if (dialog.exec() == QDialog::Accepted) {
        const int row = static_cast<int>(items.indexOf(dialog.textValue()));
        SetShiftAltGr(number, row > 0 ? static_cast<std::uint8_t>(row + kNoAltGr) : 0);
    }
}

void TMoreLayersForm::OfferMenu(int number, const QPoint& where) {
    const auto i = static_cast<std::size_t>(number - 1);
    QMenu menu(this);
    QAction* dead = menu.addAction(QStringLiteral("&Dead key"));
    dead->setObjectName(QStringLiteral("DeadKey1"));
    dead->setCheckable(true);
    dead->setChecked(IsDead(document_.layout(), number - 1, CharLayer::ShiftAltGr));
    dead->setEnabled(document_.layout().ShiftAltGrChar[i] > kNoAltGr);
    if (menu.exec(where) == dead) {
        SetDead(number, dead->isChecked());
    }
}

} // namespace kbd
