#include "all_keys_form.h"

#include "form_geometry.h"
#include "layout/keyboard_layout.h"
#include "ui/toolkit/fonts.h"

#include <QLayout>
#include <QPalette>
#include <QRadioButton>

namespace kbd {

using namespace allkeys;

TAllKeysForm::TAllKeysForm(QWidget* parent) : QMainWindow(parent), codePage_(this) {
    setObjectName(QStringLiteral("AllKeysForm"));
    setWindowTitle(QStringLiteral("Tavik's Keyboard Generator for Windows 95"));

    // The client area carries the window font rather than the QMainWindow itself, so the
    // menu bar keeps the desktop's menu font as it did on the original platform.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientSize);
    client->setFont(toolkit::PixelFont(QStringLiteral("Arial"), kWindowFontPixels, true));
    // The keys and the cells inherit their text colour from here, as Options, Font sets it.
    QPalette palette = client->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    client->setPalette(palette);
    setCentralWidget(client);

    // The order of creation is the order of the focus chain: keys first, then the radios.
    CreatePalette(client);
    CreateMagnifier(client);
    CreateKeys(client);
    CreateLayerSelector(client);
    CreateMenu();
    CreateFileDialogs();
    CreateFontDialog();

    // A single fixed border: the window is exactly its menu bar over the client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    move(kWindowPosition);

    FormCreate();
}

void TAllKeysForm::FormCreate() {
    LayerMode = LayerNorm;
    radios_[1]->setChecked(true); // fires RB_malaClick, which shows the Norm layer
    KeysFont = toolkit::DisplayFont{};
    BigFont = toolkit::DisplayFont{};
}

void TAllKeysForm::ConnectWindows(TOneKeyForm* oneKeyForm, std::function<QWidget*()> pomoc,
                                  std::function<QWidget*()> formAbout) {
    OneKeyForm_ = oneKeyForm;
    Pomoc_ = std::move(pomoc);
    form_about_ = std::move(formAbout);
}

} // namespace kbd
