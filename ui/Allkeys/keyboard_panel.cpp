// The 49 key buttons, the layer selector and what the keys show.
#include "all_keys_form.h"
#include "form_geometry.h"
#include "layout/keyboard_layout.h"
#include "ui/toolkit/byte_button.h"
#include "ui/toolkit/byte_label.h"
#include "ui/toolkit/fonts.h"
#include "widget_number.h"

#include <QRadioButton>

namespace kbd {

using namespace allkeys;

void TAllKeysForm::CreateKeys(QWidget* client) {
    for (int n = 1; n <= kKeyCount; ++n) {
        const KeyPlace& place = kKeyPlaces[n - 1];
        auto* key = new toolkit::ByteButton(document_.codePage(),
                                            QString::fromLatin1(place.storedCaption), client);
        key->setObjectName(QStringLiteral("Button%1").arg(n));
        key->setGeometry(QRect(QPoint(place.left, place.top), kKeySize));
        key->setAcceptDrops(true);
        connect(key, &toolkit::ByteButton::hovered, this, [this, key] { ButtNNMove(key); });
        connect(key, &toolkit::ByteButton::dragOver, this,
                [this, key](QDragMoveEvent* event) { ButtonNNDragOver(key, event); });
        connect(key, &toolkit::ByteButton::dropped, this,
                [this, key](QDropEvent* event) { ButtonNNDragDrop(key, event); });
        connect(key, &toolkit::ByteButton::clicked, this, [this, key] { ButtonNNClick(key); });
        keys_[n - 1] = key;
    }
}

void TAllKeysForm::CreateLayerSelector(QWidget* client) {
    const QFont font = toolkit::PixelFont(QStringLiteral("System"), kRadioFontPixels, true);
    // Own font and colour: Options, Font changes neither.
    QPalette black = client->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    void (TAllKeysForm::*const clicks[])() = {
        &TAllKeysForm::rb_shiftClick, &TAllKeysForm::RB_malaClick, &TAllKeysForm::rb_altgrClick,
        &TAllKeysForm::rb_ansiClick};
    for (std::size_t i = 0; i < kRadioPlaces.size(); ++i) {
        const RadioPlace& place = kRadioPlaces[i];
        auto* radio = new QRadioButton(QString::fromLatin1(place.caption), client);
        radio->setObjectName(QString::fromLatin1(place.name));
        radio->setGeometry(place.rect);
        radio->setFont(font);
        radio->setPalette(black);
        radio->setFocusPolicy(Qt::ClickFocus);
        // toggled() fires only on a real change, so checking the checked button runs
        // nothing. The group is one tab stop, reached at its checked button.
        connect(radio, &QRadioButton::toggled, this, [this, radio, click = clicks[i]](bool on) {
            radio->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
            if (on) {
                (this->*click)();
            }
        });
        radios_[i] = radio;
    }
}

void TAllKeysForm::ShowLayer(int mode) {
    LayerMode = mode;
    if (mode < LayerShift || mode > LayerAnsi) {
        return;
    }
    for (int n = 1; n <= kKeyCount; ++n) {
        keys_[n - 1]->setCode(*LayerChar(document_.layout(), mode, n - 1));
    }
}

void TAllKeysForm::ShowKey(int index) {
    if (index < 0 || index >= kKeyCount) {
        return;
    }
    if (const auto code = LayerChar(document_.layout(), LayerMode, index)) {
        keys_[static_cast<std::size_t>(index)]->setCode(*code);
    }
}

void TAllKeysForm::rb_shiftClick() {
    ShowLayer(LayerShift);
}

void TAllKeysForm::RB_malaClick() {
    ShowLayer(LayerNorm);
}

void TAllKeysForm::rb_altgrClick() {
    ShowLayer(LayerAltGr);
}

void TAllKeysForm::rb_ansiClick() {
    ShowLayer(LayerAnsi);
}

void TAllKeysForm::ButtNNMove(toolkit::ByteButton* sender) {
    const int n = WidgetNumber(sender->objectName(), kButtonPrefix);
    if (const auto code = LayerChar(document_.layout(), LayerMode, n - 1)) {
        LabelBigLet->setCode(*code);
    }
}

} // namespace kbd
