#include "all_keys_form.h"

#include "form_geometry.h"
#include "keyboard_panel.h"
#include "layout/keyboard_layout.h"
#include "palette.h"
#include "ui/toolkit/fonts.h"

#include <QLayout>
#include <QPalette>
#include <QResizeEvent>
#include <QTimer>

namespace kbd {

using namespace allkeys;

TAllKeysForm::TAllKeysForm(LayoutDocument& document, ProgramWindows* windows)
    : document_(document), windows_(windows) {
    setObjectName(QStringLiteral("AllKeysForm"));
    setWindowTitle(QStringLiteral("Tavik's Keyboard Generator for Windows 95"));

    // The client area carries the window font rather than the QMainWindow itself, so the
    // menu bar keeps the desktop's menu font as menus do on Windows 95.
    // A maximised window grows around the client area, which keeps its size and place.
    auto* central = new QWidget(this);
    central->setMinimumSize(kClientSize);
    auto* client = new QWidget(central);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientSize);
    client->setFont(toolkit::PixelFont(QStringLiteral("Arial"), kWindowFontPixels, true));
    // The keys and the cells inherit their text colour from here, as Options, Font sets it.
    QPalette palette = client->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    client->setPalette(palette);
    setCentralWidget(central);

    palette_ = new Palette(document_.codePage(), client);
    keyboard_ = new KeyboardPanel(document_, client);
    connect(keyboard_, &KeyboardPanel::keyHovered, palette_, &Palette::Magnify);
    connect(keyboard_, &KeyboardPanel::keyClicked, this, &TAllKeysForm::EditKey);
    CreateFontDialog(); // before the menus, as Tools draws its picture in the chosen face
    CreateMenu();
    CreateStatusBar();

    // A single fixed border: the window is exactly its menu bar over the client area, and
    // only maximising changes that. A size fixed in the window hints would also take the
    // maximise button away, so a drag of the border is undone instead (resizeEvent).
    setMinimumSize(minimumSizeHint());
    resize(minimumSize());
    move(kWindowPosition);

    FormCreate();
}

void TAllKeysForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if ((windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) == 0 &&
        event->size() != minimumSize()) {
        // Later, so the window system's own resize has ended.
        QTimer::singleShot(0, this, [this] {
            if ((windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) == 0) {
                resize(minimumSize());
            }
        });
    }
}

void TAllKeysForm::FormCreate() {
    KeysFont = toolkit::DisplayFont{};
    BigFont = toolkit::DisplayFont{};
}

int TAllKeysForm::layerMode() const {
    return keyboard_->layer();
}

void TAllKeysForm::ShowLayer(int mode) {
    keyboard_->ShowLayer(mode);
}

void TAllKeysForm::rb_shiftClick() {
    keyboard_->ShowLayer(LayerShift);
}

void TAllKeysForm::RB_malaClick() {
    keyboard_->ShowLayer(LayerNorm);
}

void TAllKeysForm::rb_altgrClick() {
    keyboard_->ShowLayer(LayerAltGr);
}

void TAllKeysForm::rb_ansiClick() {
    keyboard_->ShowLayer(LayerAnsi);
}

} // namespace kbd
