#include "keyboard_panel.h"

#include "client_layer.h"
#include "form_geometry.h"
#include "layout/dead_keys.h"
#include "layout/keyboard_layout.h"
#include "ui/Document/layout_document.h"
#include "ui/toolkit/byte_button.h"
#include "ui/toolkit/cell_drag.h"
#include "ui/toolkit/flash.h"
#include "ui/toolkit/fonts.h"

#include <QDropEvent>
#include <QMenu>
#include <QRadioButton>

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

KeyboardPanel::KeyboardPanel(LayoutDocument& document, QWidget* client)
    : QWidget(client), document_(document) {
    setObjectName(QStringLiteral("KeyboardPanel"));
    // The order of creation is the order of the focus chain: keys first, then the radios.
    CreateKeys();
    CreateLayerSelector();
    ClipToChildren(this);

    // The keys follow the document, whoever changed it: an edit, an undo or a redo. A new
    // code page needs no re-caption, as the keys redraw their bytes in it by themselves.
    connect(&document_, &LayoutDocument::layoutChanged, this, [this] { ShowLayer(layer_); });
    connect(&document_, &LayoutDocument::keyChanged, this, &KeyboardPanel::ShowKey);

    layer_ = LayerNorm;
    radios_[1]->setChecked(true); // shows the Norm layer
}

void KeyboardPanel::CreateKeys() {
    for (int n = 1; n <= kKeyCount; ++n) {
        const KeyPlace& place = kKeyPlaces[n - 1];
        auto* key = new toolkit::ByteButton(document_.codePage(),
                                            QString::fromLatin1(place.storedCaption), this);
        key->setObjectName(QStringLiteral("Button%1").arg(n));
        key->setGeometry(QRect(QPoint(place.left, place.top), kKeySize));
        key->setAcceptDrops(true);
        connect(key, &toolkit::ByteButton::hovered, this, [this, n] { Hover(n); });
        connect(key, &toolkit::ByteButton::dragOver, this, &KeyboardPanel::DragOver);
        connect(key, &toolkit::ByteButton::dropped, this,
                [this, n](QDropEvent* event) { Drop(n, event); });
        connect(key, &toolkit::ByteButton::clicked, this, [this, n] { emit keyClicked(n); });
        key->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(key, &QWidget::customContextMenuRequested, this,
                [this, n, key](const QPoint& at) { OfferDeadKey(n, key->mapToGlobal(at)); });
        keys_[static_cast<std::size_t>(n - 1)] = key;
    }
}

void KeyboardPanel::SetDead(int number, bool dead) {
    const auto layer = CharLayerOf(layer_);
    if (!layer || number < 1 || number > kKeyCount) {
        return;
    }
    KeyboardLayout changed = document_.layout();
    kbd::SetDead(changed, number - 1, *layer, dead);
    document_.changeKey(
        QStringLiteral("%1 %2 on key %3")
            .arg(dead ? QStringLiteral("dead") : QStringLiteral("plain"),
                 QString::fromLatin1(LayerName(layer_).data(),
                                     static_cast<qsizetype>(LayerName(layer_).size())))
            .arg(number),
        number - 1, changed);
}

void KeyboardPanel::OfferDeadKey(int number, const QPoint& where) {
    const auto layer = CharLayerOf(layer_);
    if (!layer) {
        return; // ANSI is no character a key types
    }
    QMenu menu(this);
    QAction* dead = menu.addAction(QStringLiteral("&Dead key"));
    dead->setObjectName(QStringLiteral("DeadKey1"));
    dead->setCheckable(true);
    dead->setChecked(IsDead(document_.layout(), number - 1, *layer));
    if (menu.exec(where) == dead) {
        SetDead(number, dead->isChecked());
    }
}

void KeyboardPanel::CreateLayerSelector() {
    const QFont font = toolkit::PixelFont(QStringLiteral("System"), kRadioFontPixels, true);
    // Own font and colour: Options, Font changes neither.
    QPalette black = parentWidget()->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    for (std::size_t i = 0; i < kRadioPlaces.size(); ++i) {
        const RadioPlace& place = kRadioPlaces[i];
        auto* radio = new QRadioButton(QString::fromLatin1(place.caption), this);
        radio->setObjectName(QString::fromLatin1(place.name));
        radio->setGeometry(place.rect);
        radio->setFont(font);
        radio->setPalette(black);
        radio->setFocusPolicy(Qt::ClickFocus);
        // toggled() fires only on a real change, so checking the checked button runs
        // nothing. The group is one tab stop, reached at its checked button.
        const int mode = LayerShift + static_cast<int>(i);
        connect(radio, &QRadioButton::toggled, this, [this, radio, mode](bool on) {
            radio->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
            if (on) {
                ShowLayer(mode);
            }
        });
        radios_[i] = radio;
    }
}

void KeyboardPanel::ShowLayer(int mode) {
    layer_ = mode;
    if (mode < LayerShift || mode > LayerAnsi) {
        return;
    }
    for (int i = 0; i < kKeyCount; ++i) {
        ShowKey(i);
    }
}

void KeyboardPanel::ShowKey(int index) {
    if (index < 0 || index >= kKeyCount) {
        return;
    }
    if (const auto code = LayerChar(document_.layout(), layer_, index)) {
        toolkit::ByteButton* key = keys_[static_cast<std::size_t>(index)];
        key->setCode(*code);
        const auto layer = CharLayerOf(layer_);
        key->setMarked(layer && IsDead(document_.layout(), index, *layer));
    }
}

void KeyboardPanel::PointOut(int key, int layer) {
    if (layer >= LayerShift && layer <= LayerAnsi && layer != layer_) {
        radios_[static_cast<std::size_t>(layer - 1)]->setChecked(true);
    }
    if (key >= 1 && key <= kKeyCount) {
        toolkit::Flash(keys_[static_cast<std::size_t>(key - 1)]);
    }
}

void KeyboardPanel::Hover(int number) {
    if (const auto code = LayerChar(document_.layout(), layer_, number - 1)) {
        emit keyHovered(*code);
    }
}

void KeyboardPanel::DragOver(QDragMoveEvent* event) {
    if (DraggedCell(event)) {
        event->acceptProposedAction();
    }
}

void KeyboardPanel::Drop(int number, QDropEvent* event) {
    const auto cell = DraggedCell(event);
    if (!cell) {
        return;
    }
    const std::uint8_t code = CellCode(*cell);
    KeyboardLayout dropped = document_.layout();
    SetLayerChar(dropped, layer_, number - 1, code);
    event->acceptProposedAction();
    // A one-key step: the document has this key alone re-captioned.
    document_.changeKey(
        QStringLiteral("drop of %1 on key %2").arg(document_.codePage().text(code)).arg(number),
        number - 1, dropped);
}

} // namespace kbd
